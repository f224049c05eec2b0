# Sourced by the test scripts: a throw-away Wine prefix (32-bit where the
# machine can run it, see common.sh) inside a
# virtual X display of its own.
#   orv_wine_start   - creates the prefix and the display, exports the variables
#   orv_wine_stop    - stops the wineserver and the display, removes the prefix
# Every run gets its own prefix, so runs never see each other's registry,
# files or wineserver.

orv_wine_start() {
  ORV_WINE_DIR=$(mktemp -d /tmp/orvanta-wine.XXXXXX)
  export WINEPREFIX="$ORV_WINE_DIR/prefix"
  export WINEARCH="${ORV_WINE_ARCH:-win32}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine takes its ANSI code page from the locale: 1252 for C/English.
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ORV_WINE_DIR/display" \
    >"$ORV_WINE_DIR/xvfb.log" 2>&1 &
  ORV_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$ORV_WINE_DIR/display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$ORV_WINE_DIR/display")"
  "$ORV_WINE_LOADER" wineboot -i >"$ORV_WINE_DIR/wineboot.log" 2>&1 || true
  orv_wineserver -w || true
}

orv_wineserver() {
  local ws=/usr/lib/wine/wineserver64
  [ "${WINEARCH:-}" = win32 ] && ws=/usr/lib/wine/wineserver32
  [ -x "$ws" ] || ws=wineserver
  "$ws" "$@" 2>/dev/null
}

# orv_wine PROGRAM ARGS...: runs a Windows program in the current prefix.
orv_wine() { "$ORV_WINE_LOADER" "$@"; }

orv_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then orv_wineserver -k || true; fi
  if [ -n "${ORV_XVFB_PID:-}" ]; then
    kill "$ORV_XVFB_PID" 2>/dev/null || true
    wait "$ORV_XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "${ORV_WINE_DIR:-}" ]; then rm -rf "$ORV_WINE_DIR"; fi
  unset ORV_WINE_DIR ORV_XVFB_PID
}
