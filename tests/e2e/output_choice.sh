#!/usr/bin/env bash
# The chosen output, on a private PulseAudio: started before its server, the program says in its window, through a
# screen reader, and in --status that it waits for the sound server, and the line goes once the sound plays. With a
# second null sink loaded, --list-outputs lists both, and `somnivox --output` moves the stream there at once (its
# monitor carries the sound, the default's is silent) and stores the choice; unloading it moves the stream back to
# the default with no message box, and loading it again moves the stream back to it, also after the server restarts.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

PYTHON=/usr/bin/python3
for tool in pulseaudio pactl parec dbus-daemon "$PYTHON" /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null ||
    fail "pyatspi is not installed (scripts/install-deps.sh --tests installs it)"

OUT="$WORK/command.out"
LINE='No sound output: waiting for the sound server'
SECOND=bedroom

# command_line OPTION...: the program run as a command from a shell; sets STATUS.
command_line() {
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
        XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/home/.local/share" \
        LANG=C LC_ALL=C "$SOMNIVOX" "$@" >"$OUT" 2>>"$WORK/command.err" || STATUS=$?
}
status_says() { command_line --status && grep -qx "$1" "$OUT"; }

# What a screen reader finds showing in the window, one object a line.
read_window() { "$PYTHON" "$(dirname "$0")/accessible_tree.py" "$APP_PID" 20 >"$WORK/accessible-tree.log" 2>&1 || true; }
line_shown() { read_window && grep -qF "label '$LINE'" "$WORK/accessible-tree.log"; }
line_gone() { read_window && grep -q '^window:' "$WORK/accessible-tree.log" && ! grep -qF "$LINE" "$WORK/accessible-tree.log"; }

# record SINK: records that sink's monitor into a new capture file of its own, named in RECORDED.
record() {
    RECORDING=$((RECORDING + 1))
    RECORDED="$WORK/recording-$1-$RECORDING.raw"
    env "${SERVER_ENV[@]}" parec -d "$1.monitor" --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
        >"$RECORDED" 2>>"$WORK/parec.log" &
    EXTRA_PIDS+=($!)
}
# heard FILE: the last second recorded there holds noise.
heard() {
    local levels
    levels=$(CAPTURE=$1 capture_levels)
    [ "${levels% *}" -gt 1000 ]
}
silent() {
    local levels
    levels=$(CAPTURE=$1 capture_levels)
    [ "$(CAPTURE=$1 capture_size)" -ge "$BYTES_PER_SECOND" ] && [ "${levels% *}" -lt 50 ]
}
pactl_() { env "${SERVER_ENV[@]}" pactl "$@"; }
stream_sink() { pactl_ list short sink-inputs | awk '{ print $2 }' | head -n 1; }
sink_index() { pactl_ list short sinks | awk -v name="$1" '$2 == name { print $1 }'; }
plays_on() { [ -n "$(sink_index "$1")" ] && [ "$(stream_sink)" = "$(sink_index "$1")" ]; }

write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=40
start_x
start_wm
start_bus
# No sound server yet: the sound plays in name only.
start_app_on_bus SOMNIVOX_AUDIO_SINK= QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
wait_main_window
wait_until 20 status_says 'output: waiting' || fail "--status before the server printed: $(cat "$OUT")"
wait_until 20 line_shown || {
    cat "$WORK/accessible-tree.log"
    fail "the window does not say that it waits for the sound server"
}
pass "with no sound server the window says \"$LINE\" and --status says output: waiting"

start_pulse
PULSE_PID=${EXTRA_PIDS[-1]}
wait_until 30 status_says 'output: playing' || fail "--status after the server started printed: $(cat "$OUT")"
wait_until 20 line_gone || {
    cat "$WORK/accessible-tree.log"
    fail "the line stays after the sound plays"
}
pass "once the server starts and the sound plays the line is gone"

module=$(pactl_ load-module module-null-sink sink_name=$SECOND sink_properties=device.description=Bedroom)
lists_second() { command_line --list-outputs && grep -qx "$SECOND	Bedroom" "$OUT"; }
asked=$(now)
wait_until 10 lists_second ||
    fail "--list-outputs printed: $(cat "$OUT")"
log "--list-outputs listed both sinks $(since "$asked") s after it was first asked (the monitor starting)"
grep -qx 'nullsink	.*' "$OUT" || fail "--list-outputs does not list the default sink: $(cat "$OUT")"
pass "--list-outputs lists both sinks, each as its stable name, a tab and its description"

command_line --output 'no such speaker'
[ "$STATUS" -eq 2 ] || fail "--output with an unknown output exited $STATUS, not 2"
record nullsink
first=$RECORDED
record $SECOND
second=$RECORDED
asked=$(now)
command_line --output Bedroom
[ "$STATUS" -eq 0 ] || fail "--output Bedroom exited $STATUS"
wait_until 10 plays_on $SECOND || fail "the stream did not move to $SECOND: $(pactl_ list short sink-inputs)"
log "the stream plays on $SECOND $(since "$asked") s after --output was given"
wait_until 10 setting_is 'Output Device' $SECOND || fail "the choice was not stored: $(setting 'Output Device')"
wait_until 10 heard "$second" || fail "the second sink's monitor carries no sound"
wait_until 10 silent "$first" || fail "the default sink's monitor is not silent after the move"
# Moved, not lost and reopened.
lost=$(grep -c 'audio output lost' "$WORK/somnivox.log" || true)
[ "$lost" -le 1 ] || fail "the move went through a lost output: $(cat "$WORK/somnivox.log")"
pass "--output moves the stream to the second sink at once and stores it"

pactl_ unload-module "$module"
wait_until 15 plays_on nullsink || fail "the stream did not come back to the default sink"
record nullsink
wait_until 10 heard "$RECORDED" || fail "the default sink carries no sound after the chosen one went"
grep -q "output $SECOND is missing" "$WORK/somnivox.log" || fail "the log does not tell that $SECOND is missing"
[ "$(mapped_windows)" = "$APP_WINDOW" ] || fail "a window other than the main window is shown"
setting_is 'Output Device' $SECOND || fail "the stored choice changed while its output was missing"
pass "removing the chosen sink moves the stream back to the default, with a line in the log and no box"

pactl_ load-module module-null-sink sink_name=$SECOND sink_properties=device.description=Bedroom >/dev/null
wait_until 15 plays_on $SECOND || fail "the stream did not return to $SECOND when it came back"
pass "the chosen sink, back, takes the stream again"

# The server dies and comes back: the outputs are listed afresh, and the chosen one takes the stream once it is loaded.
kill -KILL "$PULSE_PID"
wait "$PULSE_PID" 2>/dev/null || true
wait_until 20 status_says 'output: waiting' || fail "--status after the server died printed: $(cat "$OUT")"
start_pulse
wait_until 30 plays_on nullsink || fail "the sound did not come back on the default sink after the server's restart"
pactl_ load-module module-null-sink sink_name=$SECOND sink_properties=device.description=Bedroom >/dev/null
wait_until 15 plays_on $SECOND || fail "the stream did not move to $SECOND once the restarted server offered it"
pass "after the server's restart the chosen sink, loaded again, takes the stream"
