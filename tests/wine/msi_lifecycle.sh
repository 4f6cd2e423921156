#!/usr/bin/env bash
# The MSI package as a lab's deployment tool uses it, under Wine on a private Xvfb: msiexec /i /qn
# with the computer's defaults NUMORA_ZOOM=150 NUMORA_STYLE=moroccan installs it into a fresh
# prefix for every user (the program, its Start-menu shortcut, its entry in Add/Remove Programs
# with icon, version and publisher, and those two values under HKLM, no other); installing the
# same package again changes nothing; the installed program starts to its main menu at 150 % and
# ends with status 0; an MSI of a later version, built here from the same folder, replaces it in
# place and keeps the defaults; the copy unpacked from the portable zip starts at 100 % all the
# same, keeps the zoom chosen in it in its numora.ini and writes nothing else; msiexec /x /qn
# removes every file, the shortcut, the entry and the defaults.
#
#   msi_lifecycle.sh PACKAGE.msi PACKAGE.zip XPROBE_SOURCE
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/../e2e/xvfb.sh"
# shellcheck source=/dev/null
source "$(dirname "$0")/wine.sh"
msi=$1 zip=$2
here="$(cd "$(dirname "$0")/../.." && pwd)"

begin_wine "$3"
version=$(msiinfo export "$msi" Property | sed -n 's/^ProductVersion\t//p' | tr -d '\r')
later="${version%%.*}.$(( $(cut -d. -f2 <<<"$version") + 1 )).0"
unzip -q "$zip" -d "$work/folder"
bash "$here/tools/windows/msi.sh" "$work/folder"/* "$later" "$work/later.msi" >/dev/null 2>&1 \
  || fail "no MSI of version $later"

# installed ENTRY VERSION: the one entry is this version's, with its icon and publisher.
installed() {
  local entry
  entry=$(numora_entries)
  [ "$(wc -l <<<"$entry")" -eq 1 ] || fail "Add/Remove Programs should list Numora once: $entry"
  [ "$(entry_value "$entry" DisplayVersion)" = "$1" ] \
    || { wine reg query "$entry" >&2; fail "Add/Remove Programs shows version $(entry_value "$entry" DisplayVersion), not $1"; }
  [ "$(entry_value "$entry" Publisher)" = "Numora developers" ] || fail "no publisher"
  [ "$(entry_value "$entry" InstallLocation)" = "$programs_folder\\" ] || fail "no InstallLocation"
  # Add/Remove Programs takes an MSI's icon from the product's registration.
  wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null \
    | grep -q 'ProductIcon .*\\numora\.ico' || fail "Add/Remove Programs shows no icon"
  echo "$entry"
}

# msiexec takes Windows paths: a Linux one would read as a switch.
msi=$(winepath -w "$msi")
later_msi=$(winepath -w "$work/later.msi")
wine msiexec /i "$msi" /qn NUMORA_ZOOM=150 NUMORA_STYLE=moroccan \
  || fail "msiexec /i ended with status $?"
wineserver -w
[ -f "$programs/numora.exe" ] || fail "the MSI put no numora.exe into Program Files\\Numora"
[ -f "$programs/platforms/qwindows.dll" ] || fail "the MSI left out the platform plugin"
[ -f "$programs/licenses/Numora-LICENSE.txt" ] || fail "the MSI left out the licences"
[ -e "$programs/numora.ini" ] && fail "the MSI put the portable zip's numora.ini into Program Files"
[ -n "$(find "$WINEPREFIX/drive_c" -ipath '*Start Menu/Programs/Numora.lnk' -print -quit)" ] \
  || fail "no Start-menu shortcut Numora"
first=$(installed "$version")
echo "installed $version silently for every user: $first"

# The computer's defaults given, and no other.
defaults_in_place() {  # WHEN
  [ "$(default_value view zoom)" = 150 ] && [ "$(default_value formulas style)" = moroccan ] \
    || { wine reg query 'HKLM\Software\Numora' /s >&2; fail "$1: no NUMORA_ZOOM and NUMORA_STYLE"; }
  for value in practice/level formulas/unit view/panel; do
    [ -z "$(default_value "${value%/*}" "${value#*/}")" ] || fail "$1: $value, which was not given"
  done
}
defaults_in_place "installed"

files=$(cd "$programs" && find . -type f | sort | md5sum)
wine msiexec /i "$msi" /qn || true
wineserver -w
[ "$(numora_entries)" = "$first" ] || fail "installing $version again changed the entries: $(numora_entries)"
[ "$(cd "$programs" && find . -type f | sort | md5sum)" = "$files" ] \
  || fail "installing $version again changed the folder"
echo "installed $version again: nothing changed"

start_to_main_menu
zoomed=$(main_menu_width)
close_main_menu_and_expect_exit "$xprobe" "$menu"
echo "closed through the close box; exit status 0"

wine msiexec /i "$later_msi" /qn || fail "the upgrade to $later ended with status $?"
wineserver -w
second=$(installed "$later")
[ "$second" != "$first" ] || fail "the upgrade kept the entry of $version"
[ -f "$programs/numora.exe" ] || fail "the upgrade left no numora.exe"
defaults_in_place "upgraded"
echo "upgraded in place to $later, with the computer's defaults of $version: $second"

# The portable copy, beside the MSI's defaults: its own settings, in its numora.ini alone.
portable=$(dirname "$(find "$work/folder" -name numora.exe)")
[ -f "$portable/numora.ini" ] || fail "the zip carries no numora.ini"
# The installed program's runs left an empty key of the user's: Qt opens it for writing as it
# reads the settings. The portable copy must make none.
wine reg delete 'HKCU\Software\Numora' /f >/dev/null 2>&1 || true
touch "$work/before"
start_to_main_menu "$(winepath -w "$portable/numora.exe")"
width=$(main_menu_width)
(( zoomed * 100 >= width * 148 && zoomed * 100 <= width * 152 )) \
  || fail "the main menu is $zoomed pixels wide at the computer's 150 %, $width in the portable copy"
echo "the main menu at the computer's 150 %: $zoomed pixels wide; the portable copy's: $width"
focus_window "$menu" || fail "the main menu took no keyboard"
xdotool key ctrl+equal
for _ in $(seq 100); do [ "$(main_menu_width)" != "$width" ] && break; sleep 0.1; done
close_main_menu_and_expect_exit "$xprobe" "$menu"
grep -qx 'zoom=125' "$portable/numora.ini" \
  || { cat "$portable/numora.ini" >&2; fail "numora.ini does not hold the zoom chosen, 125 %"; }
wine reg query 'HKCU\Software\Numora' /s >"$work/user-key" 2>&1 \
  && { cat "$work/user-key" >&2; fail "the portable copy wrote HKCU\\Software\\Numora"; }
written=$(find "$work/folder" "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune \
            -o -newer "$work/before" -type f -print)
[ "$written" = "$portable/numora.ini" ] || fail "the portable copy wrote $written"
echo "the portable copy: 100 %, Ctrl+= kept as zoom=125 in its numora.ini, nothing else written"

wine msiexec /x "$later_msi" /qn || fail "msiexec /x ended with status $?"
wineserver -w
expect_nothing_left "msiexec /x"
echo "removed silently: no file, shortcut, entry or default left"
