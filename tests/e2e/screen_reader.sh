#!/usr/bin/env bash
# What a blind pupil hears: Orca, the screen reader, beside the real program under a private X
# server, session bus and accessibility bus. Orca speaks through a speech-dispatcher of this test
# whose only voice writes the text to a file, and logs each utterance ("SPEECH OUTPUT: '...'") in
# its debug log, which is what this test reads. From the keyboard alone: the circle window's radius
# box takes 7, Tab brings the focus to "احسب" (Orca says so), Space presses it, and within 10 s
# Orca must have said the area, 153.86 (3.14 × 7²). Only what Orca says after the Space counts.
# Then practice: F4 sets an exercise, which Orca says, and an answer of 0 (no circle has an area
# of 0) checked with Enter gets its verdict said, "ليس صحيحًا".
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/xvfb.sh"
numora=$1
menu="Numora - برمجة : Kadiro "
circle="مساحة ومحيط الدائرة"
button="احسب"
area="153.86"

# The utterances Orca logged after line $1 of its debug log, one a line, without the voice.
spoken_after() {  # LINE
  tail -n +"$(($1 + 1))" "$work/orca.log" | grep -a "SPEECH OUTPUT: '" \
    | sed -E "s/^.*SPEECH OUTPUT: '(.*)'( voice=[a-z]+)? ?\{.*$/\1/; s/^.*SPEECH OUTPUT: '(.*)'$/\1/"
}
log_lines() { wc -l <"$work/orca.log"; }

# Waits up to $2 seconds for Orca to say something holding $3 after line $1 of its log.
hears_within() {  # LINE SECONDS TEXT
  local _
  for _ in $(seq $(($2 * 10))); do
    spoken_after "$1" | grep -F -- "$3" >/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Orca's last words and the end of its log, to say why a step failed.
fail_with_speech() {
  echo "Orca's last utterances:" >&2
  spoken_after 0 | tail -n 30 >&2
  echo "The end of Orca's log:" >&2
  tail -n 25 "$work/orca.log" | cut -c1-300 >&2
  fail "$@"
}

# A speech-dispatcher on a socket in the work directory, whose one module writes each text to
# $work/speech-dispatcher.said instead of a sound card. The module still opens an audio device when
# it starts: ALSA's null device is that. Orca reaches it through SPEECHD_ADDRESS and never starts
# the system's.
start_speech_dispatcher() {
  mkdir -p "$work/speechd/modules"
  cat >"$work/speechd/speechd.conf" <<EOF
LogLevel 3
LogDir "$work"
AudioOutputMethod "alsa"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
EOF
  cat >"$work/speechd/modules/file.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$work/speech-dispatcher.said"
AddVoice "en" "male1" "file"
GenericLanguage "en" "en" "utf-8"
EOF
  echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
  speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
    --communication-method unix_socket --socket-path "$work/speechd.sock" \
    --pid-file "$work/speechd.pid" --log-dir "$work" >"$work/speechd.out" 2>&1 &
  speechd=$!
  for _ in $(seq 100); do [ -S "$work/speechd.sock" ] && break; sleep 0.05; done
  [ -S "$work/speechd.sock" ] || { cat "$work/speechd.out" >&2; return 1; }
  export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
}

# Orca with its preferences in the work directory and its debug log in $work/orca.log, written a
# line at a time (its customization file turns the log's buffering to lines, and braille off, there
# being no braille display); in English, so that a button is said "... push button". Returns once
# Orca listens to the accessibility bus.
start_orca() {
  mkdir -p "$work/orca"
  cat >"$work/orca/orca-customizations.py" <<'EOF'
import orca.debug
import orca.settings

if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = False
EOF
  LANGUAGE=en LANG=C.UTF-8 orca --user-prefs "$work/orca" --debug-file "$work/orca.log" \
    >"$work/orca.out" 2>&1 &
  orca=$!
  disown "$orca"  # ended with SIGKILL, which the shell would otherwise report
  for _ in $(seq 300); do
    grep -q "ORCA: Starting registry" "$work/orca.log" 2>/dev/null && return 0
    kill -0 "$orca" 2>/dev/null || break
    sleep 0.1
  done
  cat "$work/orca.out" >&2
  return 1
}

# Orca and its speech server end before the buses and the X server they talk to. Orca is killed:
# it handles SIGTERM only when its main loop next hands control back to Python, which in a quiet
# session may be never, and it keeps nothing here worth saving.
stop_screen_reader() {
  if [ -n "$orca" ]; then
    kill -KILL "$orca" 2>/dev/null || true
    timeout 5 tail --pid="$orca" -f /dev/null || true
  fi
  if [ -n "$speechd" ]; then
    kill "$speechd" 2>/dev/null || true
    timeout 5 tail --pid="$speechd" -f /dev/null || true
  fi
  end_e2e
}

begin_e2e
orca=""
speechd=""
trap stop_screen_reader EXIT

start_xvfb "$work"
start_accessibility "$work" || fail "the accessibility bus did not start"
# Orca, the speech server and the program keep their settings in the work directory.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
start_speech_dispatcher || fail "speech-dispatcher did not start"
start_orca || fail "Orca did not start"
# Orca's first words come once its speech is set up; a program started before may go unheard.
hears_within 0 30 "Screen reader on" || fail_with_speech "Orca did not say it was on"
echo "Orca is listening"

"$numora" &
app=$!
before=$(log_lines)
# The splash comes first, for some 8 s.
click_button "$menu" "الدائرة" 30 || fail_with_speech "no button الدائرة in the main menu"
focus_window "$circle" || fail_with_speech "the window $circle did not come into view"
# Without a window manager Orca does not always take the window's activation for one (it may say
# "blank"); what matters is where the focus goes next.
if hears_within "$before" 10 "$circle"; then
  echo "Orca announced the window $circle"
else
  echo "Orca did not announce the window $circle; going on"
fi

xdotool type 7
reached=""
for tabs in 1 2 3 4; do
  before=$(log_lines)
  xdotool key Tab
  if hears_within "$before" 3 "$button push button"; then reached=$tabs; break; fi
done
[ -n "$reached" ] || fail_with_speech "Orca never said the focus was on $button"
echo "Orca said the focus was on $button after $reached Tab press(es)"

pressed=$(log_lines)
xdotool key space
if ! hears_within "$pressed" 10 "$area"; then
  echo "Orca said after the Space:" >&2
  spoken_after "$pressed" >&2
  fail_with_speech "Orca did not say $area within 10 s of the Space"
fi
echo "Orca said after the Space:"
spoken_after "$pressed"

practice=$(log_lines)
xdotool key F4
hears_within "$practice" 10 "دائرة نصف قطرها" || fail_with_speech "Orca did not say the exercise after F4"
echo "Orca said the exercise"
checked=$(log_lines)
xdotool type 0
xdotool key Return
hears_within "$checked" 10 "ليس صحيحًا" || fail_with_speech "Orca did not say the verdict on a wrong answer"
echo "Orca said the verdict:"
spoken_after "$checked"
