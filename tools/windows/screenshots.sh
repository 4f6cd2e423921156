#!/usr/bin/env bash
# Screenshots of all sixteen windows of the Windows program under Wine, in a fresh prefix with no
# replacement for Arial or Tahoma, for a person to look at: the splash, the main menu, each topic
# window with numbers typed and its calculation done, the calculator after a chain of keys, and
# the about window, each as OUT_DIR/FormN.png. With NUMORA_WINE_FONTS=none the machine's own fonts
# are hidden from Wine as well (an empty fontconfig configuration), as on a Windows that has
# neither the layouts' faces nor their stand-ins: the program then uses the faces it carries.
#
#   tools/windows/screenshots.sh NUMORA_EXE DLL_DIRS XPROBE_SOURCE OUT_DIR
#
# DLL_DIRS is a colon-separated list of Linux folders holding the DLLs numora.exe needs (Qt's, with
# its plugins beside them, and the MinGW run-time), put on the program's PATH.
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/../../tests/e2e/xvfb.sh"
exe=$1 dll_dirs=$2 xprobe_source=$3 out=$4
menu="Numora - برمجة : Kadiro "

begin_e2e
mkdir -p "$out"
g++ -O1 -o "$work/xprobe" "$xprobe_source" -lX11 || fail "xprobe did not build"
xprobe=$work/xprobe
start_xvfb "$work"
unset QT_QPA_PLATFORM QT_PLUGIN_PATH
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "${NUMORA_WINE_FONTS:-}" = none ]; then
  printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/fontconfig-cache" >"$work/fonts.conf"
  export FONTCONFIG_FILE=$work/fonts.conf
fi
path=""
IFS=: read -ra folders <<<"$dll_dirs"
for folder in "${folders[@]}"; do path+="Z:${folder//\//\\};"; done
export WINEPATH=$path
trap 'wineserver -k 2>/dev/null; end_e2e' EXIT
wineboot --init >/dev/null 2>&1
wineserver -w

shoot() {  # TITLE FILE
  local x y width height
  read -r x y width height < <("$xprobe" geometry "$1")
  import -window root -crop "${width}x${height}+$x+$y" +repage "$out/$2" || fail "no screenshot of $1"
  echo "$out/$2"
}
click() {  # WINDOW_X WINDOW_Y LEFT TOP WIDTH HEIGHT (twips): the middle of a control
  xdotool mousemove $(($1 + ($3 + $5 / 2) / 15)) $(($2 + ($4 + $6 / 2) / 15)) click 1
  sleep 0.4
}

wine "$exe" >/dev/null 2>&1 &
app=$!
"$xprobe" wait-map Form14 60000 || fail "the splash window did not map"
sleep 1
shoot Form14 Form14.png
"$xprobe" wait-map "$menu" 30000 || fail "the main menu did not map"
sleep 1
shoot "$menu" Form1.png

# Form | main-menu button's left, top | title | client height | boxes as left,top,width,height,text
# separated by ";" | the button that computes as left,top,width,height | where "الرئيسية" is
windows=(
  "Form2|120,4440|الجذور|3225|5160,840,495,285,3;2880,1200,2175,495,-27|1680,1920,2055,495|bar"
  "Form3|120,5400|القوى|3225|3120,1200,1575,495,-2;4920,240,735,375,15|1680,1920,2415,495|bar"
  "Form4|3720,4920|مساحة شبه النحرف|3840|3480,480,1215,375,2.5;3480,2280,1215,375,3.5;5640,1080,975,375,3|240,2280,2535,615|bar"
  "Form5|1920,3960|مساحة ومحيط الدائرة|3570|4560,1200,1215,375,7|2880,2160,2655,615|bar"
  "Form6|120,4920|مساحة المستطيل أو المربع|4185|4440,840,1215,375,3;2640,2400,1455,375,4|4200,2640,1455,495|bar"
  "Form7|1920,4920|حجم و مساحة متوازي المستطيلات اوالمكعب|4560|6000,2160,855,375,3;2760,1680,855,375,94;3960,2880,855,375,4|5160,3120,1935,495|bar"
  "Form8|1920,4440|مساحة المثلث|4200|4320,240,1095,405,6;4200,2640,1215,375,4.5|1440,2640,1935,615|bar"
  "Form9|120,3960|مساحة وحجم الكرة|3735|4680,960,1095,375,2|4080,2280,1695,495|bar"
  "Form11|1920,5400|نظرية فيثاغورس|3555|4680,720,735,405,3;3480,1800,855,375,4|4080,2280,1215,495|bar"
  "Form12|3720,3960|الاسطوانة|4185|4680,480,975,375,2;4680,1080,975,375,5|4680,1680,1935,615|bar"
  "Form13|3720,4440|حل المعادلات التربيعية|4545|4440,600,855,375,2;2640,600,855,375,3;840,600,975,375,1|3480,2160,1335,375|bar"
  "Form15|3720,5400|درجة الحرارة|4410|600,360,3615,615,-40;2400,1080,2295,375,|1080,2760,2535,600|bar"
  "Form16|3720,5880|الحاسبة|4440|120,120,4575,375,5-9*3=||bar"
  "Form10|1920,5880|Form10|3945|||1800,3360,1455,375"
)
for entry in "${windows[@]}"; do
  IFS='|' read -r form button title height boxes calculate back <<<"$entry"
  read -r mx my _ mh < <("$xprobe" geometry "$menu")
  menubar=$((mh - 6330 / 15))
  IFS=, read -r left top <<<"$button"
  click "$mx" $((my + menubar)) "$left" "$top" 1575 375
  "$xprobe" wait-map "$title" 15000 || fail "$form did not map"
  sleep 1
  # Below the title bar Wine draws for a dialog frame, as below the main menu's menu bar.
  read -r x y _ h < <("$xprobe" geometry "$title")
  y=$((y + h - height / 15))
  IFS=';' read -ra typed <<<"$boxes"
  for box in "${typed[@]}"; do
    IFS=, read -r left top width high text <<<"$box"
    click "$x" "$y" "$left" "$top" "$width" "$high"
    [ -n "$text" ] && xdotool type --delay 60 -- "$text"
  done
  if [ -n "$calculate" ]; then
    IFS=, read -r left top width high <<<"$calculate"
    click "$x" "$y" "$left" "$top" "$width" "$high"
  fi
  sleep 1
  shoot "$title" "$form.png"
  if [ "$back" = bar ]; then
    # The "الرئيسية" bar along the bottom edge of the layout, from its left edge.
    xdotool mousemove $((x + 20)) $((y + height / 15 - 8)) click 1
  else
    IFS=, read -r left top width high <<<"$back"
    click "$x" "$y" "$left" "$top" "$width" "$high"
  fi
  "$xprobe" wait-map "$menu" 15000 || fail "no way back to the main menu from $form"
done
close_main_menu_and_expect_exit "$xprobe" "$menu"
