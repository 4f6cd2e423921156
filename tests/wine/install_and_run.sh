#!/usr/bin/env bash
# As a pupil's family and a pupil meet the Windows program, under Wine on a private Xvfb: the
# installer run silently into a fresh Wine prefix (no font replacements) puts the program and its
# Start-menu shortcut in place, and no uninstaller beside it there; the entry in Add/Remove
# Programs says how to remove it silently, where it is and how big; the installed numora.exe shows
# the splash, then the main menu; the powers window opens from its main-menu button and computes
# 2 to the power 10 (a screenshot is kept beside the installer for a person to look at); closing
# the main menu through its close box ends the program with status 0; the quiet uninstall
# command that Add/Remove Programs gives removes everything before it returns.
#
#   install_and_run.sh INSTALLER BUILD_DIR XPROBE_SOURCE
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/../e2e/xvfb.sh"
# shellcheck source=/dev/null
source "$(dirname "$0")/wine.sh"
installer=$1 build=$2

begin_wine "$3"
wine "$installer" /S
wineserver -w
[ -f "$programs/numora.exe" ] || fail "the installer put no numora.exe into Program Files\\Numora"
[ -f "$programs/platforms/qwindows.dll" ] || fail "the installer left out the platform plugin"
[ -f "$programs/licenses/Numora-LICENSE.txt" ] || fail "the installer left out the licences"
[ -f "$programs/Uninstall.exe" ] || fail "the installer wrote no uninstaller"
[ -e "$programs/numora.ini" ] && fail "the installer put the portable zip's numora.ini in place"
shortcuts=$(find "$WINEPREFIX/drive_c" -ipath '*Start Menu/Programs/*.lnk' -iname '*numora*' \
              -o -ipath '*Start Menu/Programs/*' -iname '*uninstall*')
[ "$(basename "$shortcuts")" = Numora.lnk ] \
  || fail "the Start menu should hold the one shortcut Numora.lnk, holds: $shortcuts"
entry=$(numora_entries)
[ "$(wc -l <<<"$entry")" -eq 1 ] || fail "Add/Remove Programs should list Numora once: $entry"
[[ $(entry_value "$entry" DisplayIcon) == *numora.exe* ]] || fail "Add/Remove Programs shows no icon"
[ "$(entry_value "$entry" InstallLocation)" = "$programs_folder" ] || fail "no InstallLocation"
size=$(entry_value "$entry" EstimatedSize)
(( size > 10000 )) || fail "EstimatedSize is $size KB, not the folder's size"
quiet=$(entry_value "$entry" QuietUninstallString)
[ -n "$quiet" ] || fail "no QuietUninstallString"
echo "installed silently: program, one shortcut, entry with a quiet uninstall ($quiet)," \
     "$((size / 1024)) MB"

start_to_main_menu
# "القوى" sits at left 120, top 5400 twips, 1575 x 375, below the menu bar.
read -r x y _ height < <("$xprobe" geometry "$menu")
menubar=$((height - 6330 / 15))
xdotool mousemove $((x + 120 / 15 + 1575 / 30)) $((y + menubar + 5400 / 15 + 375 / 30)) click 1
"$xprobe" wait-map "القوى" 15000 || fail "the powers window did not map"
echo "powers window mapped"

# The base box Text1 (3120, 1200), the exponent box Text2 (4920, 240), "احسب" (1680, 1920).
read -r x y _ _ < <("$xprobe" geometry "القوى")
at() { xdotool mousemove $((x + ($1) / 15)) $((y + ($2) / 15)) click 1; sleep 0.3; }
at "3120 + 1575 / 2" "1200 + 495 / 2"
xdotool type --delay 50 2
at "4920 + 735 / 2" "240 + 375 / 2"
xdotool type --delay 50 10
at "1680 + 2415 / 2" "1920 + 495 / 2"
sleep 1
# The window with the solution panel that the calculation opened beside its layout.
read -r x y width height < <("$xprobe" geometry "القوى")
[ "$width" -gt $((5850 / 15)) ] || fail "no solution panel beside the layout"
screenshot="$build/wine-powers.png"
import -window root -crop "${width}x${height}+$x+$y" "$screenshot" || fail "no screenshot"
echo "screenshot of 2 to the power 10 with its solution: $screenshot"

# Back to the main menu along the "الرئيسية" bar of the layout (top 2520 twips, 735 high, as wide
# as the layout), then its close box.
xdotool mousemove $((x + 5850 / 30)) $((y + 2520 / 15 + 20)) click 1
"$xprobe" wait-map "$menu" 15000 || fail "the main menu did not come back"
close_main_menu_and_expect_exit "$xprobe" "$menu"
echo "closed through the close box; exit status 0"

# The quiet uninstall command as a lab's script runs it, a command line waited for, and nothing
# waited for after it.
printf '%s\r\n' "@echo off" "$quiet" >"$WINEPREFIX/drive_c/quiet-uninstall.cmd"
wine cmd /c 'C:\quiet-uninstall.cmd'
expect_nothing_left "the quiet uninstall"
echo "uninstalled silently; nothing left once the uninstaller returned"
