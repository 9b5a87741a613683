# Sourced by the start and test scripts: a Wine prefix of the run's own, an
# Xvfb display (unless DISPLAY names one already) and a wineserver, all
# stopped by process id when the run ends.
#   wine_session_start PREFIX     creates the prefix (once) and starts both
#   wine_session_stop             stops what wine_session_start started

WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
# No Mono or Gecko install prompts in a new prefix: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

xvfb_pid=
wineserver_pid=

free_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

wine_session_start() {
  mkdir -p "$1"
  # Wine takes only an absolute prefix path.
  WINEPREFIX=$(cd "$1" && pwd)
  export WINEPREFIX
  if [ -z "${DISPLAY:-}" ]; then
    local display
    display=$(free_display)
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi

  "$WINESERVER" -f -p >/dev/null 2>&1 &
  wineserver_pid=$!
  trap wine_session_stop EXIT
  trap 'exit 130' INT TERM
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE64" wineboot -i >/dev/null 2>&1
    # Xvfb has no window manager: let Wine draw title bars itself, so
    # screenshots show windows as a person would see them.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  else
    # Start the prefix's services here, with their output going nowhere:
    # started by a test, they would keep its output pipe open after it ends.
    "$WINE64" wineboot >/dev/null 2>&1
  fi
}

wine_session_stop() {
  if [ -n "$wineserver_pid" ]; then
    # -k asks this prefix's server to end its own processes (services and
    # any program a failed test left behind) before the server itself goes.
    "$WINESERVER" -k >/dev/null 2>&1 || true
    kill "$wineserver_pid" 2>/dev/null || true
    wait "$wineserver_pid" 2>/dev/null || true
    wineserver_pid=
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}
