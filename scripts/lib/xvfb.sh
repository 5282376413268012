# Xvfb helper: xvfb_start sets DISPLAY to a fresh virtual screen, xvfb_stop ends it,
# xvfb_screenshot FILE saves the whole screen as PNG.
XVFB_PID=

xvfb_start() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "xvfb: no free display" >&2
  return 1
}

xvfb_stop() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# The screen's pixels as the server holds them, read with one GetImage of the root window. Not
# xwd: when windows carry colormaps of their own (Wine gives every window one) xwd reads each
# window separately, and a window that lies wholly inside another (a dialog over the main window)
# comes out as the root's black although the screen shows it.
xvfb_screenshot() {
  import -display "$DISPLAY" -silent -window root "$1"
}
