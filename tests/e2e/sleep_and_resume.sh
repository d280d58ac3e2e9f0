#!/usr/bin/env bash
# The sleep timer's end, suspend and resume. "sleep-timer": on a private PulseAudio, `somnivox --sleep 20s` makes the
# sound fall the same number of dB each second, then silence, and OFF is stored. "logind": a fake logind on a private
# system bus announces a sleep while the program plays on a private PulseAudio: the stream is gone and the delay lock
# released within 300 ms, nothing is heard while asleep, and after the resume a new lock is taken and the sound comes
# back. "clock-jump" and "timer-jump": the wall clock jumps an hour ahead (libfaketime) while the monotonic clock runs
# on, as a resume after an hour's sleep does: the daily window that has closed meanwhile, or the sleep timer that has
# ended, is silent within a second.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

CASE=${1:?usage: sleep_and_resume.sh sleep-timer|logind|clock-jump|timer-jump}
E2E_NAME="${E2E_NAME}-$CASE"

# The last frame of the recording, from byte FROM to byte TO, that is not silent; -1 when none is.
last_sound_frame() {
    od -An -v -t d2 -w4 -j "$1" -N "$(($2 - $1))" "$CAPTURE" |
        awk -v first="$(($1 / 4))" '
            BEGIN { last = -1 }
            $1 != 0 || $2 != 0 { last = NR - 1 }
            END { print last < 0 ? -1 : first + last }'
}

# --- logind --------------------------------------------------------------------------------------------------------

SYSTEM_BUS="unix:path=$WORK/system_bus_socket"
LOGIND_LOG="$WORK/logind.log"

start_system_bus() {
    cat >"$WORK/system-bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>$SYSTEM_BUS</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <deny own="*"/>
    <allow own="org.freedesktop.login1"/>
    <deny send_type="method_call"/>
    <allow send_destination="org.freedesktop.DBus"/>
    <allow send_destination="org.freedesktop.login1"/>
    <allow send_type="signal"/>
    <allow send_requested_reply="true" send_type="method_return"/>
    <allow send_requested_reply="true" send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
    <allow receive_type="signal"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$WORK/system-bus.conf" --nofork >"$WORK/system-bus.log" 2>&1 &
    EXTRA_PIDS+=($!)
    wait_until 10 test -S "$WORK/system_bus_socket" || fail "the private system bus did not start"
}

start_logind() {
    [ -x "${FAKE_LOGIND:-}" ] || fail "FAKE_LOGIND must name the fake-logind tool: build the target fake-logind"
    mkfifo "$WORK/logind-commands"
    "$FAKE_LOGIND" "$SYSTEM_BUS" <"$WORK/logind-commands" >"$LOGIND_LOG" 2>&1 &
    EXTRA_PIDS+=($!)
    exec 7>"$WORK/logind-commands"
    wait_until 10 grep -qx ready "$LOGIND_LOG" || fail "the fake logind did not start"
}

logind_says() { grep -c -- "$1" "$LOGIND_LOG"; }
logind_said() { [ "$(logind_says "$1")" -ge "$2" ]; }

no_stream() { [ -z "$(env "${SERVER_ENV[@]}" pactl list sink-inputs short)" ]; }

sound_arrives() {
    local levels
    levels=$(capture_levels)
    [ "${levels% *}" -gt 1000 ]
}

sleep_and_resume() {
    start_pulse
    start_system_bus
    start_logind
    write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=100 'Fade In=0'
    start_recorder
    start_app SOMNIVOX_AUDIO_SINK= DBUS_SYSTEM_BUS_ADDRESS="$SYSTEM_BUS"
    wait_main_window
    wait_until 30 sound_arrives || fail "no sound on the null sink within 30 s of the start"
    wait_until 10 logind_said '^held 1' 1 || fail "no delay lock taken"
    grep -qx 'asked sleep|Somnivox Noise Player|Silences the sound before the computer sleeps|delay' "$LOGIND_LOG" ||
        fail "the lock asked for is not a delay lock on sleep: $(grep asked "$LOGIND_LOG")"
    pass "a delay lock on sleep is held while playing"
    sleep 1

    local asked at_sleep released gone
    at_sleep=$(capture_size)
    asked=$(now)
    echo sleep >&7
    wait_until 5 no_stream || fail "the stream is still on the server 5 s after the sleep was announced"
    gone=$(since "$asked")
    wait_until 5 logind_said '^held 0' 1 || fail "the lock was not released"
    released=$(sed -n 's/^held 0 after \([0-9]*\)$/\1/p' "$LOGIND_LOG" | head -n 1)
    log "stream gone from the server ${gone} s after the announcement (as polled), lock released after $released ms"
    [ "$released" -le 300 ] || fail "the lock was released after $released ms"
    awk -v s="$gone" 'BEGIN { exit !(s <= 0.3) }' || fail "the stream went only after $gone s"
    holds_for 1.5 no_stream || fail "a stream came back while asleep"
    pass "the stream is gone and the lock released within 300 ms, and nothing plays while asleep"

    local at_wake last
    at_wake=$(capture_size)
    echo wake >&7
    wait_until 10 logind_said '^held 1' 2 || fail "no new lock after the resume"
    wait_until 10 sound_arrives || fail "no sound after the resume"
    pass "after the resume a new lock is taken and the sound comes back"
    stop_recorder
    last=$(last_sound_frame "$at_sleep" "$at_wake")
    log "last sound heard $(awk -v l="$last" -v s="$at_sleep" 'BEGIN { printf "%.3f", (l * 4 - s) / 176400 }') s" \
        "after the announcement"
    [ "$last" -ge 0 ] || fail "nothing was heard after the announcement: the recording missed the sleep"
    [ $((last * 4 - at_sleep)) -le $((BYTES_PER_SECOND * 3 / 10)) ] ||
        fail "the null sink's monitor was not silent 300 ms after the announcement (last sound at frame $last)"
    pass "the null sink's monitor is silent from 300 ms after the announcement until the resume"
}

# --- The sleep timer's end ------------------------------------------------------------------------------------

# somnivox COMMAND... as run from a shell, handed to the running program.
command_line() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
        XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/home/.local/share" \
        LANG=C LC_ALL=C "$SOMNIVOX" "$@" >>"$WORK/command.log" 2>&1 ||
        fail "somnivox $* failed: $(cat "$WORK/command.log")"
}

# The level of each tenth of a second of the recording from byte FROM on, in dB below full scale ("-inf" silent).
tenths() {
    od -An -v -t d2 -w4 -j "$1" "$CAPTURE" | awk '
        {
            sum += $1 * $1 + $2 * $2
            if (++n == 4410) {
                print sum ? 10 * log(sum / 8820 / 32768 / 32768) / log(10) : "-inf"
                sum = n = 0
            }
        }'
}

sleep_timer_fades() {
    start_pulse
    write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=100 'Fade In=0'
    start_recorder
    start_app SOMNIVOX_AUDIO_SINK=
    wait_main_window
    wait_until 30 sound_arrives || fail "no sound on the null sink within 30 s of the start"
    sleep 1
    local asked
    asked=$(capture_size)
    command_line --sleep 20s
    wait_until 30 setting_is StartStopState OFF || fail "the timer's end did not turn the program off"
    log "turned off $(awk -v b="$(capture_size)" -v a="$asked" 'BEGIN { printf "%.1f", (b - a) / 176400 }') s" \
        "after --sleep"
    sleep 1
    stop_recorder
    tenths "$asked" >"$WORK/tenths.log"
    # The heard fall: where it starts (3 dB below the level before) and ends (the last sound), its mean step per
    # second, the step that strays most from it, its depth at the end, and the silent tenths after.
    local fall start end step stray depth silent
    fall=$(awk '
        { v[NR] = $1; silent[NR] = $1 == "-inf" }
        END {
            for (i = 1; i <= 20; i++) full += v[i]
            full /= 20
            for (i = 21; i <= NR; i++) if (!silent[i] && v[i] < full - 3) { start = i; break }
            for (end = NR; end > 0 && silent[end]; end--) {}
            # The last tenth may hold the cut to silence as well: the seconds are counted before it.
            for (i = start; i + 9 < end; i += 10) {
                s = 0
                for (j = i; j < i + 10; j++) s += v[j]
                second[++n] = s / 10
            }
            step = (second[n] - second[1]) / (n - 1)
            for (k = 2; k <= n; k++) {
                d = second[k] - second[k - 1] - step
                if (d < 0) d = -d
                if (d > stray) stray = d
            }
            printf "%.1f %.1f %.2f %.2f %.1f %d\n", start / 10, end / 10, step, stray, v[end] - full, NR - end
        }' "$WORK/tenths.log")
    read -r start end step stray depth silent <<<"$fall"
    log "after --sleep 20s: the fall heard from $start s to $end s, $step dB a second (the most a second strays:" \
        "$stray dB), $depth dB below the level before at its end, then $silent tenths of silence"
    # Noise wavers by a dB or so from one second to the next; a square fall would stray by tens of dB at its end.
    awk -v s="$step" -v d="$stray" 'BEGIN { exit !(s < -2.5 && s > -6 && d <= 2.5) }' ||
        fail "the fall is not even: $step dB a second, a second strays by $stray dB"
    awk -v d="$depth" -v e="$end" 'BEGIN { exit !(d <= -50 && e <= 20) }' ||
        fail "the sound ended $depth dB below its level, at $end s"
    [ "$silent" -ge 10 ] || fail "only $silent tenths of silence after the fall"
    pass "--sleep 20s: the sound falls the same dB each second to some 60 dB below, then silence, and OFF is stored"
}

# --- A jump of the wall clock ----------------------------------------------------------------------------------

# clock_jump window|timer: the sound of a daily window around now, or of a sleep timer of 30 minutes; the wall clock
# then jumps an hour ahead, past the window's end or the timer's.
clock_jump() {
    local past=$1 clock="$WORK/faketime" t0
    echo +0 >"$clock"
    t0=$(date +%s)
    if [ "$past" = window ]; then
        # Closed half an hour before the clock's jump lands.
        write_settings StartStopState=ON Option=Timed Combo1=0 Volume=50 'Fade Out=0' \
            "Time From=$(stored_time $((t0 - 600)))" "Time To=$(stored_time $((t0 + 1800)))"
    else
        write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=50
    fi
    start_app LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    wait_main_window
    wait_until 30 capture_grows || fail "no sound at the start"
    [ "$past" = window ] || command_line --sleep 30m
    check_sound_flows 2 "before the jump"
    local at_jump last silent
    at_jump=$(capture_size)
    echo +3600 >"$clock"
    wait_until 5 capture_still 0.3 || fail "the sound went on after the wall clock passed the $past's end"
    # Heard, not polled: the sound captured after the jump. The capture runs ahead of the clock by at most one
    # buffer, which can only shorten this.
    last=$(last_sound_frame "$at_jump" "$(capture_size)")
    silent=$(awk -v l="$last" -v s="$at_jump" 'BEGIN { printf "%.3f", l < 0 ? 0 : (l * 4 - s) / 176400 }')
    log "sound heard for ${silent} s after the jump past the $past's end"
    awk -v s="$silent" 'BEGIN { exit !(s <= 1.0) }' || fail "silent only $silent s after the jump"
    capture_still 2 || fail "the sound came back after the jump"
    if [ "$past" = window ]; then
        setting_is StartStopState ON || fail "the jump changed StartStopState"
        pass "a jump of the wall clock past the window's end is silent within a second, and nothing stored changes"
    else
        wait_until 2 setting_is StartStopState OFF || fail "the timer's end did not store OFF"
        pass "a jump of the wall clock past the sleep timer's end is silent within a second, and OFF is stored"
    fi
}

start_x
start_wm
case $CASE in
logind) sleep_and_resume ;;
sleep-timer) sleep_timer_fades ;;
clock-jump) clock_jump window ;;
timer-jump) clock_jump timer ;;
*) fail "unknown case $CASE" ;;
esac
