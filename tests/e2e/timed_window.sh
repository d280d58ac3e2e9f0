#!/usr/bin/env bash
# A stored "Timed" play option that is on plays only inside its daily window: silent before, sound inside (both
# ends included), silent after. The variant "over-midnight" runs the program on a clock that libfaketime sets to
# shortly before midnight, with a window from 23:59:55 to 00:00:03. The window opens late enough for a slow start to
# see the time before it.
VARIANT=${1:?same-day or over-midnight}
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
E2E_NAME="${E2E_NAME}-$VARIANT"

start_x
start_wm

# The window opens 15 s from now and lasts 8 s, on the real clock; the program may see another clock.
t0=$(date +%s)
from=$((t0 + 15))
to=$((t0 + 23))
case $VARIANT in
same-day)
    offset=0
    clock=()
    ;;
over-midnight)
    # The program's clock reads 23:59:40 now, so the window is 23:59:55 to 00:00:03.
    midnight=$(((t0 / 86400 + 1) * 86400))
    offset=$((midnight - 20 - t0))
    # Only the wall clock is faked: GStreamer paces the output and Qt runs its timers on the monotonic clock.
    clock=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME="+$offset" FAKETIME_DONT_FAKE_MONOTONIC=1 FAKETIME_NO_CACHE=1)
    ;;
*) fail "unknown variant $VARIANT" ;;
esac
window="$(stored_time $((from + offset))) to $(stored_time $((to + offset)))"
log "daily window $window"

write_settings Combo1=0 Volume=50 Pitch=1 Option=Timed StartStopState=ON \
    "Time From=$(stored_time $((from + offset)))" "Time To=$(stored_time $((to + offset)))"
start_app "${clock[@]}"
wait_main_window
[ "$(date +%s)" -lt $((from - 2)) ] || fail "the program started too late to see the time before the window"
shot before-window

# Before the window: every tick stops the player, so the capture stays empty.
while [ "$(date +%s)" -lt "$from" ]; do
    [ "$(capture_size)" -eq 0 ] || fail "sound before the window $window"
    sleep 0.1
done
pass "silent before the window"

wait_until $((to - $(date +%s))) capture_grows || fail "no sound inside the window $window"
pass "playback starts inside the window"
check_sound_flows 3 "inside the window"
shot inside-window

# The end is inside the window: sound still flows in its last second.
while [ "$(date +%s)" -lt "$to" ]; do sleep 0.1; done
size=$(capture_size)
wait_until 0.9 capture_beyond "$size" || fail "the sound stopped before the end of the window $window"
pass "sound still flows at the end of the window"

wait_until 15 capture_still 0.5 || fail "the sound did not stop after the window $window"
capture_still 2 || fail "the sound came back after the window $window"
pass "silent after the window"
setting_is StartStopState ON || fail "the schedule changed StartStopState"
shot after-window
