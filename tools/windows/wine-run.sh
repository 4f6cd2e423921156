#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as CTest's emulator:
#   wine-run.sh WINEPREFIX DLL_DIRS PROGRAM [ARGUMENTS...]
# DLL_DIRS is a colon-separated list of Linux folders (Qt's DLLs, the MinGW run-time) put on the
# program's PATH. Qt finds its plugins beside its own DLLs. The prefix is made on first use; Wine's
# own messages are silenced so that a test's output is the program's. Wine hands no QT_ variable
# of the Linux environment to the program.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
dirs=$2
shift 2

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
path=""
IFS=: read -ra folders <<<"$dirs"
for folder in "${folders[@]}"; do path+="$(windows_path "$folder");"; done
export WINEPATH="$path"

# Wine's server stays for a minute after the last program ends, so that a run of tests starts it
# once. Two tests may start at once on a new prefix: one makes it, the other waits.
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
# Wine can refuse a start while its server is starting or ending: the start is tried again, and a
# start that never comes is said, rather than ending the test without a word.
for attempt in 1 2 3; do
  wineserver -p60 </dev/null >/dev/null 2>&1 || true  # does nothing when it is running already
  wine wineboot </dev/null >/dev/null 2>&1 && break
  if [ "$attempt" -eq 3 ]; then
    echo "wine-run: Wine did not start in $WINEPREFIX" >&2
    exit 1
  fi
  sleep 1
done
flock -u 9
exec 9>&-

# Wine's services and desktop, started by the first program that needs them, outlive it and keep
# the output it was given: a pipe to CTest would stay open, and CTest would wait for them. The
# program writes to a file instead, shown when it ends.
output=$(mktemp)
status=0
wine "$@" >"$output" 2>&1 || status=$?
cat "$output"
rm -f "$output"
exit "$status"
