#!/bin/sh
# Regenerates the artwork into a scratch folder and compares it with the
# committed binaries that the build embeds. Usage: art_check.sh [python3]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
python=${1:-python3}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$python" "$root/app/art/make_art.py" "$out"
status=0
for f in Scindora.ico Glyphs.bmp AboutHeader.bmp; do
  if ! cmp "$root/app/art/$f" "$out/$f"; then
    echo "app/art/$f differs from its drawing: run python3 app/art/make_art.py" >&2
    status=1
  fi
done
exit $status
