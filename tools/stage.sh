# Sourced by the long scripts (.ci/run, tools/windows/build.sh): `stage NAME COMMAND...` runs one
# stage, says when it starts, and when it ends says how long it took, or that it failed and after
# how long:
#   == make test
#   ...
#   == make test: 9 min 49 s
# A stage is one command (a script or a function whose commands are chained with &&): inside a
# stage the shell's -e does not stop a function at its first failure, so the stage's exit status
# is that of its command. The stage returns it, and a failed stage ends a script run with -e.

stage_duration() {
  local seconds=$1
  if [ "$seconds" -ge 60 ]; then
    echo "$((seconds / 60)) min $((seconds % 60)) s"
  else
    echo "$seconds s"
  fi
}

stage() {
  local name=$1 status=0 start=$SECONDS
  shift
  echo "== $name"
  "$@" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "== $name: $(stage_duration $((SECONDS - start)))"
  else
    echo "== $name: failed after $(stage_duration $((SECONDS - start))) (exit status $status)"
  fi
  return "$status"
}
