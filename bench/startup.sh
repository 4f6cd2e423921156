#!/usr/bin/env bash
# Start-up benchmark: time from process start to the splash window being mapped (MapNotify, not
# polling) and resident memory once the main menu shows, for numora and for a minimal Qt Widgets
# program built in the same tree; prints both and their ratio. Runs under its own Xvfb.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/dev, 7)
set -euo pipefail
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
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

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

m_ms=$(median <"$work/minimal.ms"); n_ms=$(median <"$work/numora.ms")
m_rss=$(median <"$work/minimal.rss"); n_rss=$(median <"$work/numora.rss")
awk -v mm="$m_ms" -v nm="$n_ms" -v mr="$m_rss" -v nr="$n_rss" -v runs="$runs" 'BEGIN {
  printf "runs: %d (medians)\n", runs
  printf "time to first window mapped:  minimal %.1f ms, numora %.1f ms, ratio %.2f (goal <= 1.15)\n", mm, nm, nm / mm
  printf "resident memory:              minimal %.1f MiB, numora at main menu %.1f MiB, difference %.1f MB (goal <= 10)\n", mr / 1024, nr / 1024, (nr - mr) * 1024 / 1e6
}'
