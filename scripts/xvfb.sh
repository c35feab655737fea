# Sourced by the test and benchmark scripts: when there is no display, starts
# Xvfb on display $1 and sets DISPLAY and XVFB_PID; the caller stops it.
XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY="$1"
  xvfb_number="${1#:}"
  # A server stopped a moment ago on this display (the last run of a script)
  # may still be going away: started now, the new one would find the display
  # taken and end, and every program after it would find no display.
  for _ in $(seq 50); do
    [ -e "/tmp/.X$xvfb_number-lock" ] || break
    sleep 0.1
  done
  # -noreset: with its last client gone a server resets, and a program
  # connecting during the reset finds no display.
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$xvfb_number" ] && break
    sleep 0.1
  done
  sleep 0.2
fi
