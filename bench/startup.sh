#!/usr/bin/env bash
# Start-up and footprint benchmark, beside a minimal Qt Widgets program built in the same tree:
# time from process start to the first window being mapped (MapNotify, not polling), resident
# memory at the main menu and after opening all sixteen windows, processor time used while the
# main menu waits, and the size of the executables. Runs under its own Xvfb.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/dev, 7)
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/../tests/e2e/xvfb.sh"
build=${1:-build/dev}
runs=${2:-7}
numora=$build/app/numora
minimal=$build/bench/bench_minimal_qt
xprobe=$build/tools/xprobe/xprobe
for f in "$numora" "$minimal" "$xprobe"; do
  [ -x "$f" ] || { echo "missing $f: build the dev preset first" >&2; exit 1; }
done
menu="Numora - برمجة : Kadiro "

work=$(mktemp -d)
start_xvfb "$work"
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# One warm-up start of each, so that font and shader caches are filled as on a used desktop.
for program in minimal numora; do
  if [ $program = minimal ]; then
    read -r pid _ < <("$xprobe" launch minimal 20000 -- "$minimal")
  else
    read -r pid _ < <("$xprobe" launch Form14 20000 -- "$numora")
  fi
  kill "$pid"; sleep 0.3
done

for ((i = 0; i < runs; i++)); do
  read -r pid ms < <("$xprobe" launch minimal 20000 -- "$minimal")
  sleep 0.5
  echo "$ms" >>"$work/minimal.ms"
  rss_kib "$pid" >>"$work/minimal.rss"
  kill "$pid"; sleep 0.2

  read -r pid ms < <("$xprobe" launch Form14 20000 -- "$numora")
  echo "$ms" >>"$work/numora.ms"
  "$xprobe" wait-map "$menu" 20000
  sleep 0.5
  rss_kib "$pid" >>"$work/numora.rss"
  kill "$pid"; sleep 0.2
done

# Open every window from the main menu once and come back, then measure again; and the processor
# time the program takes while it waits at the main menu.
# Main-menu button (left, top in twips), the window's title, its "الرئيسية" button (left, top,
# width, height in twips).
windows=(
  "1920 4440|مساحة المثلث|0 3480 6255 735"
  "120 4440|الجذور|0 2520 5895 735"
  "3720 3960|الاسطوانة|0 3480 6735 735"
  "120 3960|مساحة وحجم الكرة|0 3000 5895 735"
  "120 5400|القوى|0 2520 5895 735"
  "1920 3960|مساحة ومحيط الدائرة|0 2880 5895 735"
  "1920 5400|نظرية فيثاغورس|0 2880 5655 735"
  "3720 4920|مساحة شبه النحرف|0 3120 6735 735"
  "3720 4440|حل المعادلات التربيعية|0 3840 5655 735"
  "120 4920|مساحة المستطيل أو المربع|0 3480 5775 735"
  "1920 4920|حجم و مساحة متوازي المستطيلات اوالمكعب|0 3840 7215 735"
  "1920 5880|Form10|1800 3360 1455 375"
  "3720 5400|درجة الحرارة|0 3600 4815 840"
  "3720 5880|الحاسبة|0 3720 4815 720"
)
click_twips() {  # WINDOW_TITLE LEFT TOP WIDTH HEIGHT [MENU_BAR_PIXELS]
  local x y w h
  read -r x y w h < <("$xprobe" geometry "$1")
  xdotool mousemove $((x + $2 / 15 + $4 / 30)) $((y + ${6:-0} + $3 / 15 + $5 / 30)) click 1
}
read -r pid _ < <("$xprobe" launch Form14 20000 -- "$numora")
"$xprobe" wait-map "$menu" 20000
sleep 1
cpu_before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep 5
cpu_after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
read -r _ _ _ menu_height < <("$xprobe" geometry "$menu")
menubar=$((menu_height - 6330 / 15))
for entry in "${windows[@]}"; do
  IFS='|' read -r at title back <<<"$entry"
  read -r left top <<<"$at"
  click_twips "$menu" "$left" "$top" 1575 375 "$menubar"
  "$xprobe" wait-map "$title" 10000 || { echo "did not open: $title" >&2; exit 1; }
  read -r bl bt bw bh <<<"$back"
  click_twips "$title" "$bl" "$bt" "$bw" "$bh"
  "$xprobe" wait-map "$menu" 10000 || { echo "did not come back from: $title" >&2; exit 1; }
done
sleep 0.5
all_rss=$(rss_kib "$pid")
kill "$pid"

m_ms=$(median <"$work/minimal.ms"); n_ms=$(median <"$work/numora.ms")
m_rss=$(median <"$work/minimal.rss"); n_rss=$(median <"$work/numora.rss")
ticks=$(getconf CLK_TCK)
m_size=$(stat -c %s "$minimal"); n_size=$(stat -c %s "$numora")
awk -v mm="$m_ms" -v nm="$n_ms" -v mr="$m_rss" -v nr="$n_rss" -v runs="$runs" -v ar="$all_rss" \
    -v cpu=$((cpu_after - cpu_before)) -v hz="$ticks" -v ms_="$m_size" -v ns="$n_size" 'BEGIN {
  printf "runs: %d (medians)\n", runs
  printf "time to first window mapped:  minimal %.1f ms, numora %.1f ms, ratio %.2f (goal <= 1.15)\n", mm, nm, nm / mm
  printf "resident memory:              minimal %.1f MiB, numora at main menu %.1f MiB, difference %.1f MB (goal <= 10)\n", mr / 1024, nr / 1024, (nr - mr) * 1024 / 1e6
  printf "after all sixteen windows:    numora %.1f MiB, difference %.1f MB (goal <= 20)\n", ar / 1024, (ar - mr) * 1024 / 1e6
  printf "idle at the main menu:        %.2f s of processor time in 5 s (goal 0)\n", cpu / hz
  printf "executable size:              minimal %.1f KiB, numora %.1f KiB\n", ms_ / 1024, ns / 1024
}'
