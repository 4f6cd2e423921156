#!/usr/bin/env bash
# Start-up and footprint benchmark, beside a minimal Qt Widgets program built in the same tree:
# time from process start to the first window being mapped (MapNotify, not polling), resident
# memory at the main menu and after opening all sixteen windows, processor time used while the
# main menu waits, and the size of the executables. Runs under its own Xvfb, and the walk through
# the windows under its own session and accessibility buses.
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

begin_e2e
start_xvfb "$work"

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
# time the program takes while it waits at the main menu. The buttons are found by their accessible
# names, so this one run has Qt's accessibility bridge on and a session bus and the AT-SPI bus
# beside it: its idle processor time and its memory after all the windows include the bridge's.
# The timed starts above ran without them.
# Main-menu button, the title of the window it opens, and its name on the accessibility bus where
# that is not its title (the about window's title is never shown).
windows=(
  "المثلث|مساحة المثلث"
  "الجذور|الجذور"
  "الاسطوانة|الاسطوانة"
  "الكرة|مساحة وحجم الكرة"
  "القوى|القوى"
  "الدائرة|مساحة ومحيط الدائرة"
  "فيثاغورس|نظرية فيثاغورس"
  "شبه المنحرف|مساحة شبه النحرف"
  "حل المعادلة التربيعية|حل المعادلات التربيعية"
  "المربع والمستطيل|مساحة المستطيل أو المربع"
  "المكعب والمستطيل|حجم و مساحة متوازي المستطيلات اوالمكعب"
  "عن البرنامج|Form10|عن البرنامج"
  "درجة الحرارة|درجة الحرارة"
  "الحاسبة|الحاسبة"
)
start_accessibility "$work"
read -r pid _ < <("$xprobe" launch Form14 20000 -- "$numora")
app=$pid
"$xprobe" wait-map "$menu" 20000
sleep 1
cpu_before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep 5
cpu_after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
for entry in "${windows[@]}"; do
  IFS='|' read -r button title name <<<"$entry"
  click_button "$menu" "$button" || { echo "no button: $button" >&2; exit 1; }
  "$xprobe" wait-map "$title" 10000 || { echo "did not open: $title" >&2; exit 1; }
  click_button "${name:-$title}" "الرئيسية" || { echo "no button الرئيسية in: $title" >&2; exit 1; }
  "$xprobe" wait-map "$menu" 10000 || { echo "did not come back from: $title" >&2; exit 1; }
done
sleep 0.5
all_rss=$(rss_kib "$pid")

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
