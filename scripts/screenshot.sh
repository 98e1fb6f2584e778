#!/usr/bin/env bash
# Starts the built program under a private Xvfb and saves a screenshot of the screen.
# Usage: scripts/screenshot.sh [output.png] [seconds to wait]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$here/build/screenshot.png}")
wait_s=${2:-4}
export BUILD_DIR="${BUILD_DIR:-$here/build}"
unset DISPLAY
source "$here/scripts/wine-env.sh"
wine "$BUILD_DIR/app/Scindora.exe" </dev/null >/dev/null 2>&1 &
pid=$!
sleep "$wait_s"
import -window root -crop 640x560+320+232 "$out"
kill "$pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
echo "$out"
