#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (as root).
# Does nothing when everything is already there.
set -euo pipefail

packages=(wine wine64 wine32:i386 g++-mingw-w64-i686 cmake make xvfb fp-utils googletest
          fonts-wine fonts-liberation x11-utils x11-apps xdotool imagemagick libchm-bin python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
