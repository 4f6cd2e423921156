#!/usr/bin/env bash
# The real program in a real X server: the splash maps, the main menu replaces it after the
# eleventh tick, a main-menu button opens its window, "الرئيسية" comes back, and closing the main
# menu ends the process with status 0. Buttons are found by their accessible names through AT-SPI
# and pressed with real mouse clicks.
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/xvfb.sh"
numora=$1
xprobe=$2
menu="Numora - برمجة : Kadiro "

begin_e2e

start_xvfb "$work"
start_accessibility "$work" || fail "the accessibility bus did not start"

"$numora" &
app=$!
"$xprobe" wait-map Form14 15000 || fail "the splash window did not map"
echo "splash mapped"
"$xprobe" viewable "$menu" && fail "the main menu is in view before the hand-over"
"$xprobe" wait-map "$menu" 20000 || fail "the main menu did not map"
"$xprobe" viewable Form14 && fail "the splash is still in view after the hand-over"
echo "main menu mapped, splash gone"

click_button "$menu" "القوى" || fail "no button القوى in the main menu"
"$xprobe" wait-map "القوى" 10000 || fail "the powers window did not map"
"$xprobe" viewable "$menu" && fail "the main menu stayed in view"
echo "powers window mapped"

click_button "القوى" "الرئيسية" || fail "no button الرئيسية in the powers window"
"$xprobe" wait-map "$menu" 10000 || fail "the main menu did not come back"
echo "back at the main menu"

close_main_menu_and_expect_exit "$xprobe" "$menu"
echo "closed; exit status 0"
