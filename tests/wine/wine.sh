# What the Windows end-to-end tests share: a fresh Wine prefix, as a new computer has it (no font
# replacements, nothing installed), on a private Xvfb; the installed program started to its main
# menu and closed; the entry in Add/Remove Programs. Sourced by the tests after tests/e2e/xvfb.sh.

menu="Numora - برمجة : Kadiro "
programs_folder='C:\Program Files\Numora'

# begin_wine XPROBE_SOURCE: $work, $xprobe, $WINEPREFIX and $programs (the Linux path of the
# program's folder) are set; the prefix is made and Wine's server ends with the test.
begin_wine() {
  begin_e2e
  # The X helper of the Linux tests, built for this machine: the cross build has no host programs.
  g++ -O1 -o "$work/xprobe" "$1" -lX11 || fail "xprobe did not build"
  xprobe=$work/xprobe
  start_xvfb "$work"
  # The Windows program picks its own platform plugin; the Linux tests' choice must not reach it.
  unset QT_QPA_PLATFORM QT_PLUGIN_PATH
  export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null; end_e2e' EXIT
  wineboot --init >/dev/null 2>&1
  wineserver -w
  programs="$WINEPREFIX/drive_c/Program Files/Numora"
}

# The uninstall entries in Add/Remove Programs whose DisplayName is Numora, one key per line.
numora_entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null \
    | tr -d '\r' \
    | awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +Numora$/ { print key }'
}

# entry_value KEY NAME: one value of an uninstall entry.
entry_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' \
    | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

# Starts the installed program (or the numora.exe given, a Windows path), expects the splash and
# then the main menu, and leaves it running as $app.
start_to_main_menu() {  # [PROGRAM]
  local started
  started=$(date +%s%N)
  wine "${1:-$programs_folder\\numora.exe}" &
  app=$!
  "$xprobe" wait-map Form14 60000 || fail "the splash window did not map"
  echo "splash mapped after $(( ($(date +%s%N) - started) / 1000000 )) ms"
  "$xprobe" viewable "$menu" && fail "the main menu is in view before the hand-over"
  "$xprobe" wait-map "$menu" 30000 || fail "the main menu did not map"
  echo "main menu mapped after $(( ($(date +%s%N) - started) / 1000000 )) ms"
  "$xprobe" viewable Form14 && fail "the splash is still in view after the hand-over"
  return 0
}

# Nothing of Numora is left: no file or folder named after it outside Windows' own folder (the
# program's folder, the shortcut, a copy of the uninstaller in the temporary folder), no entry, no
# key of its publisher, none of the computer's defaults.
expect_nothing_left() {  # WHAT_REMOVED_IT
  local left
  left=$(find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o -iname '*numora*' \
           -print)
  [ -z "$left" ] || fail "$1 left $(head -n 5 <<<"$left" | tr '\n' ' ')"
  [ -n "$(numora_entries)" ] && fail "$1 left Numora in Add/Remove Programs"
  wine reg query 'HKLM\Software\Numora developers' >/dev/null 2>&1 \
    && fail "$1 left the key HKLM\\Software\\Numora developers"
  wine reg query 'HKLM\Software\Numora' >/dev/null 2>&1 \
    && fail "$1 left the key HKLM\\Software\\Numora"
  return 0
}

# The main menu's width in pixels, which grows with the zoom.
main_menu_width() {
  local width
  read -r _ _ width _ < <("$xprobe" geometry "$menu")
  echo "$width"
}

# default_value GROUP NAME: one of the computer's defaults, as the MSI package writes them.
default_value() {
  wine reg query "HKLM\\Software\\Numora\\Numora\\$1" /v "$2" 2>/dev/null | tr -d '\r' \
    | sed -n "s/^ *$2 *REG_SZ *//p"
}
