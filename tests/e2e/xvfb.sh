# Sourced by the end-to-end scripts and the start-up benchmark: starts a private Xvfb on a free
# display, exports DISPLAY for the X11 platform and sets xvfb to its process id.
start_xvfb() {  # WORK_DIRECTORY
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb=$!
  for _ in $(seq 200); do [ -s "$1/display" ] && break; sleep 0.05; done
  [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$1/display")" QT_QPA_PLATFORM=xcb
}

# For the end-to-end scripts: a temporary directory in $work, and on exit the program ($app) and
# the X server ($xvfb) killed and the directory removed. fail prints its reason and ends the script.
begin_e2e() {
  work=$(mktemp -d)
  app=""
  xvfb=""
  trap end_e2e EXIT
}
end_e2e() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
fail() { echo "FAIL: $*" >&2; exit 1; }
