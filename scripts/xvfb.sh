# Sourced by the test and benchmark scripts: when there is no display, starts
# Xvfb on display $1 and sets DISPLAY and XVFB_PID; the caller stops it.
XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY="$1"
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  sleep 1
fi
