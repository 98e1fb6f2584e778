#!/usr/bin/env bash
# Builds everything and runs every test under Wine. One command on a fresh Debian 12 machine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
source "$here/scripts/build.sh"
source "$here/scripts/wine-env.sh"
cd "$BUILD_DIR"
# One test at a time: window tests share the display, and focus is one per display.
ctest --output-on-failure --timeout 600
