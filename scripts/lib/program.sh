# Driving the real TaveloPro from outside under X with xdotool (scripts/run, the install tests).
# Source this file; DISPLAY must be set.
#   program_main_window TENTHS          prints the X id of the program's main window once it is
#                                       shown, waiting up to TENTHS tenths of a second
#   program_close_through_prompt FRAME PID
#                                       closes the main window through its exit prompt (Yes) and
#                                       waits up to 10 s for the process PID to end; 0 when it did

# _program_wait_window NAME TENTHS: prints the id of a visible window named NAME.
_program_wait_window() {
  local id
  for _ in $(seq 1 "$2"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The main window is the program's one large window (titles in Chinese do not match xdotool's
# pattern in every locale, and the progress window shares the title).
program_main_window() {
  local id w
  for _ in $(seq 1 "$1"); do
    for id in $(xdotool search --onlyvisible --class '' 2>/dev/null || true); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = '' ] && continue
      w=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
      [ "${w:-0}" -ge 800 ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Close through the exit prompt: the caption's close button (or Alt+F4 in the window), then Yes,
# the prompt's default button. The prompt is a message box captioned "TaveloPro".
program_close_through_prompt() {
  local frame=$1 pid=$2 box X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$frame")"
  xdotool mousemove $((X + WIDTH - 17)) $((Y + 12)) click 1
  box=$(_program_wait_window 'TaveloPro' 30 || true)
  if [ -z "$box" ]; then
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 60)) click 1 key alt+F4
    box=$(_program_wait_window 'TaveloPro' 100 || true)
  fi
  if [ -n "$box" ]; then
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1
    sleep 0.3
    xdotool key Return
  fi
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  ! kill -0 "$pid" 2>/dev/null
}
