#!/usr/bin/env bash
# Builds the program and starts it under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
source "$here/scripts/build.sh"
source "$here/scripts/wine-env.sh"
exec wine "$BUILD_DIR/app/Scindora.exe"
