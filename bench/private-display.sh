# Sourced by the benches that start the program in a window. Nothing of the user's is touched: the X server and the
# session bus are private, their logs go to $work, and their processes join $pids, ended at exit.
#
# scratch_folders: makes $work and $runtime, a runtime folder in memory as a desktop's /run/user/UID is, and removes
# both at exit with every process in $pids.
scratch_folders() {
    work=$(mktemp -d)
    runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
    pids=""
    trap end_scratch EXIT INT TERM
}
end_scratch() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work" "$runtime"
}

# start_display_and_bus: starts Xvfb on a free display and a session bus in $XDG_RUNTIME_DIR, waits until both answer,
# and exports DISPLAY and DBUS_SESSION_BUS_ADDRESS. A desktop has a session bus; without one Qt would start a bus of
# its own (dbus-launch) in every run.
start_display_and_bus() {
    display=90
    while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
    Xvfb :$display -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids="$pids $!"
    export DISPLAY=:$display
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$work/dbus.log" 2>&1 &
    pids="$pids $!"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    tries=0
    until [ -S "$XDG_RUNTIME_DIR/bus" ]; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "dbus-daemon did not start" >&2; exit 1; }
        sleep 0.1
    done
}

# start_program_desktop: the desktop of a timed start: home, settings and runtime folders in $work, English, sound
# into a fake sink in real time, a display, a bus and a tray (trayer) that the program's icon goes into.
start_program_desktop() {
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb
    export SOMNIVOX_AUDIO_SINK='fakesink sync=true'
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER LANGUAGE LC_MESSAGES 2>/dev/null || true
    mkdir -p "$HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    start_display_and_bus
    trayer --edge top --align right --widthtype pixel --width 100 --height 24 >"$work/trayer.log" 2>&1 &
    pids="$pids $!"
    sleep 1
}
