# Sourced: a Wine prefix inside the build folder, a display, and a warm wineserver.
# Expects BUILD_DIR to be set.
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# One locale everywhere, so Wine picks the same ANSI and OEM code pages on every machine.
export LANG=C.UTF-8
unset LC_ALL LC_CTYPE LANGUAGE
export WINEDLLOVERRIDES="mscoree,mshtml="

# One Xvfb per build folder, reused while it lives.
if [ -z "${DISPLAY:-}" ]; then
  mkdir -p "$BUILD_DIR"
  n=$(cat "$BUILD_DIR/.xvfb-display" 2>/dev/null || true)
  if [ -z "$n" ] || ! kill -0 "$(tr -d ' ' < "/tmp/.X$n-lock" 2>/dev/null)" 2>/dev/null; then
    for n in $(seq 91 999); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    echo "$n" > "$BUILD_DIR/.xvfb-display"
  fi
  export DISPLAY=":$n"
fi

# Wine's background services must not inherit our streams: CTest would wait for them.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
# No window manager runs on Xvfb: let Wine draw the windows' frames and title bars itself.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
fi
