# Sourced by the end-to-end scripts and the start-up benchmark: starts a private Xvfb on a free
# display, exports DISPLAY for the X11 platform and sets xvfb to its process id.
start_xvfb() {  # WORK_DIRECTORY
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb=$!
  for _ in $(seq 200); do [ -s "$1/display" ] && break; sleep 0.05; done
  [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$1/display")" QT_QPA_PLATFORM=xcb
}
