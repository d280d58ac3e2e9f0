#!/usr/bin/env bash
# A later start finds the running program whatever became of its lock file or its socket: with the lock replaced by
# a FIFO, a symbolic link, a folder or a new empty file, removed, or written over, and with the socket removed, it
# shows the running program's window and ends with status 0 without waiting; no second program runs, and the running
# program makes its lock and socket again. Prints how long each later start took.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

LOCK="$WORK/runtime/somnivox.lock"
SOCKET="$WORK/runtime/somnivox.socket"

start_x
start_wm
start_tray
write_settings Minimized=On
start_app
wait_hidden_in_tray
FIRST=$APP_PID

# The running program's lock is a plain file that another opening cannot lock, and its socket stands beside it.
guard_whole() { [ -f "$LOCK" ] && [ ! -L "$LOCK" ] && [ -S "$SOCKET" ] && ! flock -n "$LOCK" true; }

replace() {
    case "$1" in
    fifo) rm "$LOCK" && mkfifo "$LOCK" ;;
    symlink) touch "$WORK/elsewhere" && rm "$LOCK" && ln -s "$WORK/elsewhere" "$LOCK" ;;
    folder) rm "$LOCK" && mkdir "$LOCK" ;;
    empty) rm "$LOCK" && : >"$LOCK" ;;
    removed) rm "$LOCK" ;;
    garbage) head -c 300 /dev/urandom >"$LOCK" ;;
    socket-removed) rm "$SOCKET" ;;
    esac
}

# Bounded beyond the later start's patience: a second program is ended rather than waited for.
APP_PREFIX=(timeout 30)
figures=()
for case in fifo symlink folder empty removed garbage socket-removed; do
    wait_until 10 guard_whole || fail "before $case: the running program's lock and socket are not whole"
    # The running program makes its lock again within moments of its removal: held still, it finds the
    # replacement whole, as one made at once would be.
    kill -STOP "$FIRST"
    replace "$case"
    kill -CONT "$FIRST"
    start_app
    status=0
    wait "$APP_PID" || status=$?
    took=$(since "$APP_STARTED")
    figures+=("$case $took s")
    APP_PID=$FIRST
    log "$case: the later start ended with status $status after $took s"
    [ "$status" -eq 0 ] || fail "$case: the later start ended with status $status rather than handing over"
    app_running || fail "$case: the running program ended"
    wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "$case: the running program's window did not come"
    wait_until 10 guard_whole || fail "$case: the running program did not make its lock and socket again"
    pass "$case: the later start hands over to the running program, which keeps its guard whole"
    xdotool windowminimize "$APP_WINDOW"
    wait_until 10 window_hidden "$APP_WINDOW" || fail "$case: the window did not go back to the tray"
done
log "hand-over times: $(IFS=,; echo "${figures[*]}")"
