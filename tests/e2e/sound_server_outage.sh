#!/usr/bin/env bash
# The program on a real sound server, started privately: a PulseAudio with a null sink ("pulseaudio"), or PipeWire
# with WirePlumber and its pulse server ("pipewire"). With the stored state ON + Infinite the sound is heard on the
# null sink's monitor, the stream names itself to the mixer and carries the slider's volume; after the server is
# killed and started again, and when the program starts before the server, the sound comes back by itself, with no
# message box; "Turn Off" leaves the sink silent after its ramp, however much the server held.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

SERVER=${1:?usage: sound_server_outage.sh pulseaudio|pipewire}
case $SERVER in
pulseaudio) tools="pulseaudio pactl parec" ;;
pipewire) tools="pipewire pw-cli pw-metadata wireplumber pipewire-pulse pactl parec" ;;
*) fail "unknown sound server $SERVER" ;;
esac
for tool in $tools; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done

# The server, its tools and the program share the private runtime folder; nothing reaches the machine's own server.
unset PULSE_SERVER PULSE_RUNTIME_PATH PIPEWIRE_REMOTE
SESSION_ENV=(HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/server-config"
    DBUS_SESSION_BUS_ADDRESS=disabled: DISPLAY=)
SERVER_PIDS=()
BUS_PID=""
RECORDER_PID=""
RECORDING=0

in_session() { env "${SESSION_ENV[@]}" "$@"; }

# Starts a server process in the background and keeps its id for the kill.
spawn_server() {
    env "${SESSION_ENV[@]}" "$@" &
    SERVER_PIDS+=($!)
}

stop_server() {
    local pid
    for pid in "${SERVER_PIDS[@]}"; do
        stop_process "$pid"
    done
    SERVER_PIDS=()
}

stop_recorder() {
    stop_process "$RECORDER_PID"
    RECORDER_PID=""
}

# The servers go before the harness's own cleanup, which keeps the logs (the servers' too) of a failure.
finish() {
    local status=$?
    set +e
    if [ "$status" -ne 0 ]; then
        # What the server made of its clients: which streams exist, and which are linked to the sink.
        in_session timeout 10 pactl list sink-inputs >"$WORK/server-sink-inputs-at-failure.log" 2>&1
        if [ "$SERVER" = pipewire ]; then
            in_session timeout 10 wpctl status >"$WORK/server-graph-at-failure.log" 2>&1
            in_session timeout 10 pw-dump >"$WORK/server-dump-at-failure.log" 2>&1
        fi
        local pid name
        for pid in "${SERVER_PIDS[@]}"; do
            if name=$(cat "/proc/$pid/comm" 2>/dev/null); then
                process_report "$pid" >"$WORK/server-$name-at-failure.log" 2>&1
            else
                echo "server process $pid: gone" >>"$WORK/processes-at-failure.log"
            fi
        done
    fi
    stop_recorder
    stop_server
    stop_process "$BUS_PID"
    (exit "$status")
    cleanup
}
trap finish EXIT

server_answers() { in_session pactl list short sinks | grep -q "$SINK"; }

default_sink_chosen() { in_session pw-metadata -n default 0 default.audio.sink | grep -qF "\"name\":\"$SINK\""; }

start_server() {
    mkdir -p "$WORK/server-config"
    # Made before any server or client: pactl, polling while the server starts, makes it too, and a pipewire-pulse
    # that meets it halfway through its own start gives up ("File exists").
    mkdir -p "$WORK/runtime/pulse"
    chmod 700 "$WORK/runtime/pulse"
    SINK=nullsink
    case $SERVER in
    pulseaudio)
        printf '%s\n' "load-module module-null-sink sink_name=$SINK" \
            'load-module module-native-protocol-unix auth-anonymous=1' "set-default-sink $SINK" >"$WORK/server.pa"
        spawn_server pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$WORK/server.pa" >>"$WORK/server.log" 2>&1
        ;;
    pipewire)
        # WirePlumber, which links the streams, needs a session bus; it outlives the server's restarts.
        if [ -z "$BUS_PID" ]; then
            dbus-daemon --session --nofork --nopidfile --address="unix:path=$WORK/runtime/bus" \
                >>"$WORK/server-bus.log" 2>&1 &
            BUS_PID=$!
            SESSION_ENV+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/runtime/bus")
            wait_until 20 test -S "$WORK/runtime/bus" || fail "the session bus did not start"
        fi
        # The null sink is the server's own, as a sound card would be. Without it pipewire-pulse makes a stand-in
        # sink of its own at start, and a stream arriving at that moment can leave WirePlumber setting up both
        # for good, no client answered any more.
        mkdir -p "$WORK/server-config/pipewire/pipewire.conf.d"
        cat >"$WORK/server-config/pipewire/pipewire.conf.d/null-sink.conf" <<EOF
context.objects = [
    { factory = adapter
        args = { factory.name = support.null-audio-sink node.name = "$SINK" media.class = "Audio/Sink"
                 audio.position = [ FL FR ] object.linger = true } }
]
EOF
        spawn_server pipewire >>"$WORK/server.log" 2>&1
        # Answering, not only its socket: a killed server leaves its socket behind, and a WirePlumber that finds
        # nobody listening there exits, leaving every stream unlinked.
        wait_until 20 in_session pw-cli info 0 || fail "pipewire did not start"
        spawn_server wireplumber >>"$WORK/server-wireplumber.log" 2>&1
        # Streams are taken in once WirePlumber has the sink as its default, as after a login.
        wait_until 20 default_sink_chosen || fail "WirePlumber did not take $SINK as the default sink"
        spawn_server pipewire-pulse >>"$WORK/server-pulse.log" 2>&1
        ;;
    esac
    wait_until 30 server_answers || fail "$SERVER did not start with its null sink $SINK"
    log "$SERVER is up"
}

kill_server() {
    local pid
    for pid in "${SERVER_PIDS[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    SERVER_PIDS=()
}

# Records the null sink's monitor into a new file, which the capture helpers of lib.sh then read.
start_recorder() {
    stop_recorder
    RECORDING=$((RECORDING + 1))
    CAPTURE="$WORK/recording-$RECORDING.raw"
    in_session parec -d "$SINK.monitor" --format=s16le --rate=44100 --channels=2 --latency-msec=20 >"$CAPTURE" \
        2>>"$WORK/server-parec.log" &
    RECORDER_PID=$!
}

# Sound arrives: the last second recorded holds noise, not the silence of an idle sink.
sound_arrives() {
    local levels
    # A recorder that gave up on a server still settling after its start ("Connection failure: Timeout") records
    # nothing more: start another.
    kill -0 "$RECORDER_PID" 2>/dev/null || start_recorder
    levels=$(capture_levels)
    [ "${levels% *}" -gt 1000 ]
}

sink_inputs() { in_session pactl list sink-inputs; }

# The program's stream volume in the mixer, as PulseAudio's volume number of the first channel.
stream_volume() { sink_inputs | sed -n 's/^[[:space:]]*Volume: [^:]*: *\([0-9]\+\) .*/\1/p' | head -n 1; }

# The mixer's volume number for a linear level of PERCENT: the cube root, scaled to 65536.
volume_number() { awk -v p="$1" 'BEGIN { printf "%d", p == 0 ? 0 : exp(log(p / 100) / 3) * 65536 + 0.5 }'; }

stream_volume_follows_slider() {
    local stored actual expected
    stored=$(setting Volume)
    actual=$(stream_volume)
    expected=$(volume_number "$stored")
    [ -n "$actual" ] && [ $((actual - expected)) -le 64 ] && [ $((expected - actual)) -le 64 ]
}

# The only window of the program on the screen is its main window: no message box.
no_box() { [ "$(mapped_windows)" = "$APP_WINDOW" ]; }

outages_logged() { grep -c 'audio output lost' "$WORK/somnivox.log" || true; }

check_sound_returns() {
    local what=$1 returned
    start_recorder
    returned=$(now)
    wait_until 30 sound_arrives || fail "$what: no sound within 30 s of the server's return"
    log "$what: sound $(since "$returned") s after the server answered"
    app_running || fail "$what: the program ended"
    no_box || fail "$what: a window other than the main window is shown"
    pass "$what: the sound comes back by itself, the program runs on and shows no box"
}

# Combo1 0 is the first generated noise.
style="Brown Noise"
write_settings StartStopState=ON Option=Infinite Combo1=0 Volume=30

start_x
start_wm
start_server
start_recorder
start_app SOMNIVOX_AUDIO_SINK=
wait_main_window
wait_until 30 sound_arrives || fail "no sound on $SINK within 30 s of the start"
pass "the stored on state is heard on the server's null sink"

identity=$(sink_inputs)
for property in 'application.name = "Somnivox Noise Player"' 'application.id = "org.vantrelle.Somnivox"' \
    'application.icon_name = "somnivox"' 'media.role = "music"' "media.name = \"$style\""; do
    grep -qF "$property" <<<"$identity" || fail "the stream lacks $property: $identity"
done
pass "the stream carries the program's name, id, icon, role and the style '$style'"

wait_until 10 stream_volume_follows_slider || fail "stream volume $(stream_volume) for the stored volume 30"
# A click gives the slider the focus (and moves it a page); Home and End then take it to either end (1 and 100).
click_in_window 268 290
for key in Home End; do
    xdotool key "$key"
    wait_until 10 setting_is Volume "$([ "$key" = End ] && echo 100 || echo 1)" || fail "$key did not move the slider"
    wait_until 10 stream_volume_follows_slider || fail "stream volume $(stream_volume) for the slider at $(setting Volume)"
done
pass "the mixer's stream volume follows the slider from 30 to 1 and 100"

kill_server
log "$SERVER killed"
sleep 2
app_running || fail "the program ended with the server"
start_server
check_sound_returns "after the server was killed and started again"
[ "$(outages_logged)" -eq 1 ] || fail "the outage was logged $(outages_logged) times"
grep -qF "media.name = \"$style\"" <<<"$(sink_inputs)" || fail "the stream lost its name after the restart"
wait_until 10 stream_volume_follows_slider || fail "stream volume $(stream_volume) after the restart"
pass "one log line for the outage; the new stream keeps its name and the slider's volume"

# Largest absolute sample of the second recorded from byte FROM on.
peak_from() {
    od -An -v -t d2 -j "$1" -N "$BYTES_PER_SECOND" "$CAPTURE" |
        awk '{ for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > peak) peak = v } } END { print peak + 0 }'
}
# The server holds seconds of the stream ahead; "Turn Off" ramps it down and drops them instead of letting them play.
wait_until 10 sound_arrives || fail "no sound before Turn Off"
clicked_at=$(capture_size)
click_on_off
wait_until 10 setting_is StartStopState OFF || fail "Turn Off was not taken"
silent_from=$(((clicked_at + BYTES_PER_SECOND / 2) / 4 * 4))
wait_until 10 capture_beyond $((silent_from + BYTES_PER_SECOND)) || fail "the recording stopped after Turn Off"
[ "$(peak_from "$silent_from")" -eq 0 ] || fail "sound on $SINK after Turn Off: peak $(peak_from "$silent_from")"
pass "Turn Off leaves $SINK silent after its ramp, whatever the server held"
click_on_off
wait_until 10 setting_is StartStopState ON || fail "Turn On was not taken"

stop_process "$APP_PID"
APP_PID=""
kill_server
start_app SOMNIVOX_AUDIO_SINK=
wait_main_window
sleep 3
start_server
check_sound_returns "started 3 s before the server"
