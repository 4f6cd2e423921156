#!/usr/bin/env bash
# As a school's administrator and a pupil meet the Windows program, under Wine on a private
# Xvfb: the installer run silently into a fresh Wine prefix puts the program, its Start-menu
# shortcut and its uninstaller in place; the installed numora.exe shows the splash, then the main
# menu after the eleventh tick; the powers window opens from its main-menu button and computes
# 2 to the power 10 (a screenshot is kept beside the installer for a person to look at); closing
# the main menu through its close box ends the program with status 0; the silent uninstaller
# removes what was installed.
#
#   install_and_run.sh INSTALLER BUILD_DIR XPROBE_SOURCE
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/../e2e/xvfb.sh"
installer=$1 build=$2 xprobe_source=$3
menu="Numora - برمجة : Kadiro "

begin_e2e
# The X helper of the Linux tests, built for this machine: the cross build has no host programs.
g++ -O1 -o "$work/xprobe" "$xprobe_source" -lX11 || fail "xprobe did not build"
xprobe=$work/xprobe

start_xvfb "$work"
# The Windows program picks its own platform plugin; the Linux tests' choice must not reach it.
unset QT_QPA_PLATFORM QT_PLUGIN_PATH
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; end_e2e' EXIT
wineboot --init >/dev/null 2>&1
wineserver -w
# Wine finds Arial and Tahoma through fontconfig as unrelated fonts without Arabic; point them at
# the Arabic-capable font that Windows' own Arial and Tahoma stand for here.
for font in Arial Tahoma; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "DejaVu Sans" /f >/dev/null 2>&1
done
wineserver -w

wine "$installer" /S
wineserver -w
programs="$WINEPREFIX/drive_c/Program Files/Numora"
[ -f "$programs/numora.exe" ] || fail "the installer put no numora.exe into Program Files\\Numora"
[ -f "$programs/platforms/qwindows.dll" ] || fail "the installer left out the platform plugin"
[ -f "$programs/Uninstall.exe" ] || fail "the installer wrote no uninstaller"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Numora/Numora.lnk' | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut Numora"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Numora'
registered=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
grep -q 'UninstallString' <<<"$registered" || fail "no uninstaller in Add/Remove Programs"
grep -q 'DisplayIcon.*numora.exe' <<<"$registered" || fail "Add/Remove Programs shows no icon"
echo "installed silently: program, shortcut, uninstaller registered"

started=$(date +%s%N)
wine 'C:\Program Files\Numora\numora.exe' &
app=$!
"$xprobe" wait-map Form14 60000 || fail "the splash window did not map"
echo "splash mapped after $(( ($(date +%s%N) - started) / 1000000 )) ms"
"$xprobe" viewable "$menu" && fail "the main menu is in view before the hand-over"
"$xprobe" wait-map "$menu" 30000 || fail "the main menu did not map"
echo "main menu mapped after $(( ($(date +%s%N) - started) / 1000000 )) ms"
"$xprobe" viewable Form14 && fail "the splash is still in view after the hand-over"

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

wine 'C:\Program Files\Numora\Uninstall.exe' /S
wineserver -w
[ -e "$programs/numora.exe" ] && fail "the uninstaller left numora.exe behind"
[ -e "$shortcut" ] && fail "the uninstaller left the Start-menu shortcut behind"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "Add/Remove Programs still lists Numora"
echo "uninstalled silently"
