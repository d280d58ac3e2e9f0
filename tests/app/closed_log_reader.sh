#!/usr/bin/env bash
# The program outlives the reader of its standard error: after the reader goes away it goes on logging (a sound
# that cannot play is logged at every check of a timed window) and is still logging when a new reader comes.
set -euo pipefail
: "${SOMNIVOX:?SOMNIVOX must name the program}"

work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A program folder of its own, whose only sound is no MP3.
cp "$SOMNIVOX" "$work/somnivox"
cp "$(dirname "$SOMNIVOX")"/*.so "$work/" 2>/dev/null || true # the sound engine, loaded from beside the program
mkdir -p "$work/sounds" "$work/config" "$work/home"
mkdir -m 700 "$work/runtime" # one instance per runtime folder: a folder of its own beside other checks
echo "not a sound" >"$work/sounds/White Noise.mp3"
cat >"$work/config/Vantrelle.ini" <<'INI'
[Somnivox%20Noise%20Player]
Combo1=0
Style=White Noise
Option=Timed
Time%20From=1 Jan 2020 00:00:00
Time%20To=1 Jan 2020 23:59:59
StartStopState=ON
INI
mkfifo "$work/stderr"

exec 3<>"$work/stderr" # holds the FIFO open, so the program's open of it does not wait for a reader
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
    LANG=C LC_ALL=C TZ=UTC SOMNIVOX_AUDIO_SINK='fakesink sync=true' \
    "$work/somnivox" >/dev/null 2>"$work/stderr" 3<&- &
pid=$!
exec 4<"$work/stderr"
exec 3<&-
read_log_line() { timeout 30 head -n 1 <&4 >/dev/null; }
read_log_line || fail "the program logged nothing"
# The reader goes away; the program logs on into a pipe nobody reads (about once a second).
exec 4<&-
sleep 4
# Opened for reading and writing, so the open does not wait when the program has gone.
exec 4<>"$work/stderr"
read_log_line || fail "the program ended or stopped logging after the reader of its standard error went away"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "PASS: the program logs on after the reader of its standard error went away"
