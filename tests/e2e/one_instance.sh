#!/usr/bin/env bash
# One program per user: a later start shows the running program's window and ends with status 0, changing nothing
# else; a start after the program was killed runs normally; ten starts at the same moment leave one program;
# SIGTERM ends it as a close does.
# The later starts have no session bus: the hand-over needs none.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_x
start_wm
start_tray
start_bus
write_settings Minimized=On
start_app_on_bus
wait_hidden_in_tray
holds_for 1 window_hidden "$APP_WINDOW" || fail "started in the tray, the window came up"
settings_before=$(md5sum <"$SETTINGS")
first=$APP_PID

start_app
wait_app_ended 30
pass "a later start ends with status 0"
APP_PID=$first
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "the running program's window did not come back"
pass "the running program shows its window, normal and focused"
[ "$(md5sum <"$SETTINGS")" = "$settings_before" ] || fail "the hand-over changed the settings"
[ ! -e "$CAPTURE" ] || fail "the hand-over started the sound"
pass "nothing else changed in the running program"
shot shown-by-a-later-start

kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
if [ ! -S "$WORK/runtime/somnivox.socket" ] || [ ! -e "$WORK/runtime/somnivox.lock" ]; then
    fail "the killed program left no socket and lock behind to test with"
fi
write_settings Minimized=Off
start_app
wait_main_window
holds_for 2 app_running || fail "the start after a kill did not stay"
pass "a start after the program was killed runs normally"
stop_process "$APP_PID"
APP_PID=""

launches=()
for _ in $(seq 10); do
    start_app
    launches+=("$APP_PID")
done
EXTRA_PIDS+=("${launches[@]}")
running_launches() {
    local pid
    for pid in "${launches[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then
            echo "$pid"
        fi
    done
}
one_launch_left() { [ "$(running_launches | wc -l)" -eq 1 ]; }
wait_until 60 one_launch_left || fail "$(running_launches | wc -l) of ten simultaneous starts are still running"
holds_for 3 one_launch_left || fail "ten simultaneous starts did not leave exactly one program"
APP_PID=$(running_launches)
for pid in "${launches[@]}"; do
    [ "$pid" = "$APP_PID" ] && continue
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "a start that handed over ended with status $status"
done
wait_main_window
pass "ten simultaneous starts leave one program, the others end with status 0"

# The end of the session: the program ends as a close does and a new start is the program at once.
kill -TERM "$APP_PID"
wait_app_ended 10
[ ! -e "$WORK/runtime/somnivox.socket" ] || fail "ended by SIGTERM, the program left its socket behind"
pass "SIGTERM ends the program with status 0 and takes its socket away"
start_app
wait_main_window
pass "a start after SIGTERM is the program at once"
