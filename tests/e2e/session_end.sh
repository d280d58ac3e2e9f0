#!/usr/bin/env bash
# How the program ends. "startup-box": SIGTERM while a message box of the start-up waits (a stored volume out of
# range, the state ON) ends the program at once, with no window shown and nothing played. "pulseaudio": on a private
# PulseAudio's null sink, closing the window, SIGTERM and SIGHUP while playing, and Turn On and Off pressed faster
# than the output starts, end the sound in a ramp: no end of it is a cut at full level.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

CASE=${1:?usage: session_end.sh startup-box|pulseaudio}

# --- A start-up box and the end of the session -------------------------------------------------------------------

some_window_shown() { [ -n "$(mapped_windows)" ]; }

end_from_startup_box() {
    start_x
    start_wm
    write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=-5
    start_app
    # Before the main window, the program's only window is the box.
    wait_until 30 some_window_shown || fail "no box at start-up"
    [ -z "$(main_window)" ] || ! window_mapped "$(main_window)" || fail "the main window showed before the box"
    shot "box"
    kill -TERM "$APP_PID"
    local asked
    asked=$(now)
    while app_running; do
        ! main_window_shown || fail "the main window showed after SIGTERM"
        awk -v s="$(since "$asked")" 'BEGIN { exit !(s < 5) }' || fail "the program runs on 5 s after SIGTERM"
        sleep 0.05
    done
    log "ended $(since "$asked") s after SIGTERM"
    wait_app_ended 1
    [ "$(capture_size)" -eq 0 ] || fail "the program played $(capture_size) bytes"
    pass "SIGTERM with a start-up box open ends the program at once, with no window and no sound"
}

# --- The sound's end on a sound server ---------------------------------------------------------------------------

sound_arrives() {
    local levels
    levels=$(capture_levels)
    [ "${levels% *}" -gt 1000 ]
}

# Every end of the sound in the recording (its last frame before 5 ms of silence): the peak of its last 2 ms and the
# length of its fall from half the recording's peak, in ms. One line each: "PEAK FULL RAMP_MS".
sound_ends() {
    od -An -v -t d2 -w4 "$CAPTURE" | awk '
        { a = $1 < 0 ? -$1 : $1; b = $2 < 0 ? -$2 : $2; p[NR] = a > b ? a : b; if (p[NR] > full) full = p[NR] }
        END {
            for (i = 1; i <= NR; i++) {
                if (p[i] > 0) { last = i; zeros = 0; continue }
                if (last && ++zeros == 220) report(last)
            }
            if (last && zeros < 220) report(last)
        }
        function report(e,   i, peak, loud, m) {
            for (i = e - 87; i <= e; i++) if (p[i] > peak) peak = p[i]
            # Back, a millisecond at a time, to the last one that reached half the peak.
            for (loud = e - 44; loud > 0; loud -= 44) {
                m = 0
                for (i = loud; i < loud + 44; i++) if (p[i] > m) m = p[i]
                if (m >= full / 2) break
            }
            printf "%d %d %.1f\n", peak, full, (e - loud - 44) / 44.1
            last = 0
        }'
}

# check_ends WHAT: every end recorded falls in a ramp.
check_ends() {
    local what=$1 ends peak full ramp
    ends=$(sound_ends)
    [ -n "$ends" ] || fail "$what: no end of the sound in $(capture_size) bytes recorded"
    while read -r peak full ramp; do
        log "$what: last 2 ms peak $peak of $full, fall $ramp ms"
        [ "$peak" -lt $((full / 8)) ] || fail "$what: the sound ends in a cut ($peak of $full in its last 2 ms)"
    done <<<"$ends"
    pass "$what: the sound ends in a ramp"
}

play_then_end() {
    local how=$1 asked
    write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=100 'Fade In=0'
    start_recorder
    start_app SOMNIVOX_AUDIO_SINK=
    wait_main_window
    wait_until 30 sound_arrives || fail "no sound on the null sink within 30 s of the start"
    sleep 1
    asked=$(now)
    case $how in
    close) close_main_window ;;
    *) kill "-$how" "$APP_PID" ;;
    esac
    wait_app_ended 10
    log "$how: ended $(since "$asked") s after it was asked"
    sleep 0.5
    stop_recorder
    check_ends "$how while playing"
}

on_and_off_fast() {
    write_settings StartStopState=OFF Option=Infinite Combo1=0 Volume=100 'Fade In=0'
    start_recorder
    start_app SOMNIVOX_AUDIO_SINK=
    wait_main_window
    # The click gives the button the focus; the space bar, held, then turns it on and off 20 ms apart.
    click_on_off
    wait_until 10 setting_is StartStopState ON || fail "Turn On was not taken"
    wait_until 30 sound_arrives || fail "no sound on the null sink within 30 s of Turn On"
    xdotool key --repeat 21 --delay 20 space
    wait_until 10 setting_is StartStopState OFF || fail "the last press did not turn it off"
    sleep 1
    stop_recorder
    check_ends "Turn On and Off 20 ms apart"
    stop_process "$APP_PID"
    APP_PID=""
}

case $CASE in
startup-box) end_from_startup_box ;;
pulseaudio)
    start_x
    start_wm
    start_pulse
    on_and_off_fast
    for how in close TERM HUP; do
        play_then_end "$how"
    done
    ;;
*) fail "unknown case $CASE" ;;
esac
