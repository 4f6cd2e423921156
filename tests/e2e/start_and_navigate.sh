#!/usr/bin/env bash
# The real program in a real X server: the splash maps, the main menu replaces it after the
# eleventh tick, a main-menu button opens its window, "الرئيسية" comes back, and closing the main
# menu ends the process with status 0.
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/xvfb.sh"
numora=$1
xprobe=$2
menu="Numora - برمجة : Kadiro "

begin_e2e

start_xvfb "$work"

"$numora" &
app=$!
"$xprobe" wait-map Form14 15000 || fail "the splash window did not map"
echo "splash mapped"
"$xprobe" viewable "$menu" && fail "the main menu is in view before the hand-over"
"$xprobe" wait-map "$menu" 20000 || fail "the main menu did not map"
"$xprobe" viewable Form14 && fail "the splash is still in view after the hand-over"
echo "main menu mapped, splash gone"

# "القوى" sits at left 120, top 5400 twips, 1575 x 375, below the menu bar.
read -r x y width height < <("$xprobe" geometry "$menu")
menubar=$((height - 6330 / 15))
xdotool mousemove $((x + 120 / 15 + 1575 / 30)) $((y + menubar + 5400 / 15 + 375 / 30)) click 1
"$xprobe" wait-map "القوى" 10000 || fail "the powers window did not map"
"$xprobe" viewable "$menu" && fail "the main menu stayed in view"
echo "powers window mapped"

# Its "الرئيسية" bar runs along the bottom edge: top 2520 twips, 735 high.
read -r x y width height < <("$xprobe" geometry "القوى")
xdotool mousemove $((x + width / 2)) $((y + 2520 / 15 + 20)) click 1
"$xprobe" wait-map "$menu" 10000 || fail "the main menu did not come back"
echo "back at the main menu"

"$xprobe" close "$menu"
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end when the main menu was closed"
status=0
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "closed; exit status 0"
