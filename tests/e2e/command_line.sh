#!/usr/bin/env bash
# The command line steers a running program as its window's clicks do, from a shell with no display: on, status,
# volume, style, sleep timer and off, each stored as the click stores it; bad input exits 2 and changes nothing.
# With no program running, a question exits 3 and starts nothing, and a change starts the program and is carried
# out. A stopped program is reported with exit 1 after 2 s. Bash completes the style names from the running program.
# A mix file is listed, chosen by name and heard: both its layers at their volumes.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

COMPLETION="$(dirname "$0")/../../data/completion/somnivox"
OUT="$WORK/command.out"
ERR="$WORK/command.err"

# command_line OPTION...: the program run as a command from a shell without a display; sets STATUS.
command_line() {
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
        XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/home/.local/share" \
        LANG=C LC_ALL=C "$SOMNIVOX" "$@" >"$OUT" 2>"$ERR" || STATUS=$?
}

# expect STATUS OPTION...: runs a command and checks its exit status.
expect() {
    local expected=$1
    shift
    command_line "$@"
    [ "$STATUS" -eq "$expected" ] ||
        fail "somnivox $* exited with $STATUS, not $expected: $(cat "$OUT" "$ERR")"
}

status_says() { command_line --status && grep -qx "$1" "$OUT"; }

start_x
start_wm
start_app
wait_main_window

expect 0 --turn-on
wait_until 5 setting_is StartStopState ON || fail "--turn-on did not store StartStopState ON"
check_sound_flows 2 "after --turn-on"
expect 0 --status
expected_status=$'state: on\nmode: infinite\nstyle: Brown Noise\nvolume: 50\nsleep: off\noutput: playing'
[ "$(cat "$OUT")" = "$expected_status" ] || fail "--status printed: $(cat "$OUT")"
pass "--turn-on plays and stores ON, as Turn On does; --status tells it"

expect 0 --volume 30
wait_until 3 setting_is Volume 30 || fail "--volume 30 was not stored"
expect 0 --style "Pink Noise"
setting_is Style "Pink Noise" && setting_is Combo1 1 || fail "--style stored $(setting Style) / $(setting Combo1)"
expect 0 --sleep 20m
status_says 'volume: 30' && status_says 'style: Pink Noise' || fail "--status printed: $(cat "$OUT")"
command_line --status
left=$(sed -n 's/^sleep: //p' "$OUT")
[ "$left" -gt 1190 ] && [ "$left" -le 1200 ] || fail "a 20 minute timer has $left s left"
pass "--volume, --style and --sleep are stored and told as the window's controls do"

expect 0 --list-styles
[ "$(cat "$OUT")" = $'Brown Noise\nPink Noise\nWhite Noise' ] || fail "--list-styles printed: $(cat "$OUT")"
pass "--list-styles prints the window's list"

before=$(md5sum <"$SETTINGS")
for bad in "--volume 101" "--volume abc" "--sleep 5x" "--turn-on --turn-off" "--bogus" "--style Rain --turn-off"; do
    # shellcheck disable=SC2086 # each case is a list of words
    expect 2 $bad
    [ "$(wc -l <"$ERR")" -eq 1 ] && [ ! -s "$OUT" ] || fail "somnivox $bad did not print one line on stderr"
done
sleep 0.6
[ "$(md5sum <"$SETTINGS")" = "$before" ] || fail "bad input changed the settings"
status_says 'state: on' || fail "bad input turned the sound off"
pass "bad input exits 2 with one line on stderr and changes nothing"

(
    export XDG_RUNTIME_DIR="$WORK/runtime"
    # shellcheck source=../../data/completion/somnivox
    source "$COMPLETION"
    COMP_WORDS=("$SOMNIVOX" --style Pi)
    COMP_CWORD=2
    _somnivox || fail "completing --style failed"
    [ "${COMPREPLY[*]}" = 'Pink\ Noise' ] || fail "--style Pi completed to: ${COMPREPLY[*]}"
    COMP_WORDS=("$SOMNIVOX" --list-s)
    COMP_CWORD=1
    _somnivox || fail "completing an option failed"
    [ "${COMPREPLY[*]}" = '--list-styles' ] || fail "--list-s completed to: ${COMPREPLY[*]}"
    # No sound server answers here: only the default output is offered.
    COMP_WORDS=("$SOMNIVOX" --output d)
    COMP_CWORD=2
    _somnivox || fail "completing --output failed"
    [ "${COMPREPLY[*]}" = 'default' ] || fail "--output d completed to: ${COMPREPLY[*]}"
)
pass "bash completes the options and the running program's style names"

expect 0 --turn-off
wait_until 5 setting_is StartStopState OFF || fail "--turn-off did not store StartStopState OFF"
wait_until 5 capture_still 1 || fail "the sound went on after --turn-off"
status_says 'output: silent' || fail "--status after --turn-off printed: $(cat "$OUT")"
pass "--turn-off stops the sound and stores OFF, as Turn Off does"

kill -STOP "$APP_PID"
started=$(now)
command_line --status
took=$(since "$started")
kill -CONT "$APP_PID"
log "a stopped program: exit $STATUS after $took s"
[ "$STATUS" -eq 1 ] || fail "a stopped program gave exit $STATUS: $(cat "$OUT" "$ERR")"
awk -v t="$took" 'BEGIN { exit !(t >= 1.9 && t < 3.5) }' || fail "a stopped program was given up after $took s"
[ -s "$ERR" ] || fail "a stopped program was reported with no message"
expect 0 --status
pass "a program that does not answer is reported after 2 s with exit 1"

stop_process "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
expect 3 --status
expect 3 --list-styles
[ ! -e "$WORK/runtime/somnivox.socket" ] || fail "a question with no program running started one"
pass "with no program running, --status and --list-styles exit 3 and start nothing"

# shellcheck disable=SC2034 # read by start_app
APP_ARGS=(--volume 40 --turn-on)
start_app
wait_main_window
wait_until 5 setting_is StartStopState ON || fail "a start with --turn-on did not turn on"
wait_until 3 setting_is Volume 40 || fail "a start with --volume 40 stored $(setting Volume)"
check_sound_flows 2 "a start with --turn-on"
expect 0 --status
status_says 'volume: 40' || fail "--status printed: $(cat "$OUT")"
pass "with no program running, a command starts the program and is carried out"

# A mix is a style: two tones of the user's own and a mix of them at 100 and 50, listed within moments and heard
# together at that ratio, each looping on its own length.
write_tone_mix
mix_listed() { command_line --list-styles && grep -qx Night "$OUT"; }
wait_until 5 mix_listed || fail "the mix is not listed: $(cat "$OUT")"
expect 0 --style Night
# A new style plays from the next Turn On; then past its fade-in.
expect 0 --turn-off
expect 0 --turn-on
sleep 2.5
check_sound_flows 2 "the mix"
apart=$(tones_apart)
log "the mix's layers are $apart dB apart"
awk -v d="$apart" 'BEGIN { exit !(d > 5.02 && d < 7.02) }' || fail "the layers at 100 and 50 are $apart dB apart, not 6"
pass "a mix plays its layers together at their volumes"
