#!/usr/bin/env bash
# Things that must not hold the window: with CASE one of settings-fifo, stale-lock, cursor-fifo or silent-bus in
# the way, the main window shows; what could not be read or saved is told in a box, which is dismissed here.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

CASE=$1
BUS_PID=""
trap 'status=$?; [ -z "$BUS_PID" ] || kill -KILL "$BUS_PID" 2>/dev/null; (exit $status); cleanup' EXIT

# The main window is the program's window of the designed size; any other is a message box.
program_windows() { xdotool search --all --onlyvisible --pid "$APP_PID" --name '.' 2>/dev/null || true; }
window_width() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Width: *//p'; }
main_window_up() {
    local window
    for window in $(program_windows); do
        if [ "$(window_width "$window")" = 536 ]; then
            APP_WINDOW=$window
            return 0
        fi
    done
    return 1
}
box_up() {
    local window
    for window in $(program_windows); do
        [ "$(window_width "$window")" = 536 ] && continue
        BOX=$window
        return 0
    done
    return 1
}

start_x
start_wm
extra=()
case "$CASE" in
settings-fifo)
    mkfifo "$SETTINGS"
    ;;
stale-lock)
    mkdir "$SETTINGS.lock"
    ;;
cursor-fifo)
    # A program folder of its own, the sounds shared, the cursor file a FIFO.
    mkdir "$WORK/program"
    cp "$SOMNIVOX" "$WORK/program/somnivox"
    cp "$(dirname "$SOMNIVOX")"/*.so "$WORK/program/" 2>/dev/null || true
    ln -s "$(dirname "$SOMNIVOX")/sounds" "$WORK/program/sounds"
    mkfifo "$WORK/program/HAND-M.CUR"
    SOMNIVOX="$WORK/program/somnivox"
    ;;
silent-bus)
    # A bus that takes connections and never answers: a real one, stopped.
    dbus-daemon --session --nofork --address="unix:path=$WORK/bus" >"$WORK/bus.log" 2>&1 &
    BUS_PID=$!
    wait_until 10 test -S "$WORK/bus" || fail "dbus-daemon did not start"
    kill -STOP "$BUS_PID"
    extra=(DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus" QT_ACCESSIBILITY=1)
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac

start_app "${extra[@]}"
# Generous: the window is due within a second or two; what used to hold it held it for ever.
deadline=$(awk -v t="$(now)" 'BEGIN { printf "%.3f", t + 20 }')
boxes=0
until main_window_up; do
    app_running || fail "the program ended before its window showed"
    awk -v t="$(now)" -v d="$deadline" 'BEGIN { exit !(t > d) }' && fail "no main window after 20 s"
    if box_up; then
        log "box before the window: $(xdotool getwindowname "$BOX")"
        xdotool windowactivate --sync "$BOX" key Return 2>/dev/null || true
        boxes=$((boxes + 1))
        sleep 0.3
    fi
    sleep 0.1
done
log "main window shown $(since "$APP_STARTED") s after start, after $boxes box(es)"
pass "with $CASE the main window shows"
shot "$CASE"
