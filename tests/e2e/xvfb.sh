# Sourced by the end-to-end scripts and the start-up benchmark.

# Starts a private Xvfb on a free display, exports DISPLAY for the X11 platform and sets xvfb to
# its process id. The server never resets: a reset, when its last client leaves (the
# accessibility bus launcher looks at the display and goes), refuses connections for a moment,
# and a program or probe connecting just then fails.
start_xvfb() {  # WORK_DIRECTORY
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb=$!
  for _ in $(seq 200); do [ -s "$1/display" ] && break; sleep 0.05; done
  [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$1/display")" QT_QPA_PLATFORM=xcb
}

# Beside the X server: a private session bus and the AT-SPI bus launcher on it (their process ids
# in $bus and $atspi), and Qt's accessibility bridge turned on for the programs started afterwards,
# so that atspi_point.py finds their buttons by name. Returns once the launcher owns its name, so
# that a program started next reaches the accessibility bus.
start_accessibility() {  # WORK_DIRECTORY
  local session
  session=$(dbus-launch --sh-syntax) || { echo "dbus-launch failed" >&2; return 1; }
  eval "$session"
  bus=$DBUS_SESSION_BUS_PID
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$1/atspi.log" 2>&1 &
  atspi=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  for _ in $(seq 200); do
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && return 0
    sleep 0.05
  done
  echo "the accessibility bus did not start" >&2
  return 1
}

# A real mouse click at the centre of the push button named $2 in the window titled $1, the centre
# found through AT-SPI; fails when no such button shows within $3 seconds (10 by default).
click_button() {  # WINDOW_TITLE BUTTON_NAME [TIMEOUT_SECONDS]
  local point x y
  point=$(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_point.py" "$1" "$2" "${3:-10}") \
    || return 1
  read -r x y <<<"$point"
  xdotool mousemove "$x" "$y" click 1
}

# Gives the keyboard to the window titled $1 once it is in view (within 10 s), as a desktop's window
# manager does for a window it maps; the private X server has none, and without this the keys
# typed next reach no window of the program.
focus_window() {  # WINDOW_TITLE
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id"
}

# For the end-to-end scripts: a temporary directory in $work, and on exit the program ($app), the
# accessibility and session buses ($atspi, $bus) and the X server ($xvfb) killed and the directory
# removed. fail prints its reason and ends the script.
begin_e2e() {
  work=$(mktemp -d)
  app=""
  atspi=""
  bus=""
  xvfb=""
  trap end_e2e EXIT
}
end_e2e() {
  local pid
  for pid in "$app" "$atspi" "$bus" "$xvfb"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
fail() { echo "FAIL: $*" >&2; exit 1; }

# Closes the main menu through its close box (WM_DELETE_WINDOW) and expects the program ($app) to
# end within 30 s with status 0; $app is cleared once it has ended.
close_main_menu_and_expect_exit() {  # XPROBE MENU_TITLE
  "$1" close "$2"
  for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "the program did not end when the main menu was closed"
  local status=0
  wait "$app" || status=$?
  app=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
