#!/usr/bin/env bash
# Turn Off while the sound server is stalled: the program plays its stored on state (the first style, Infinite) into a
# private sound server with a null sink, PulseAudio or PipeWire (with WirePlumber and its pulse server); the server is
# stopped (SIGSTOP), the program is turned off through its media controls STALL/5 seconds later, and the server is
# continued (SIGCONT) after STALL seconds in all. Prints, from the recording of the null sink's monitor, how much of
# the old sound came after SIGCONT (from the first to the last frame that is not silent) and its peak; repeated ROUNDS
# times, turned on in between, each round checking that the sound was heard before the stall.
# PulseAudio's null sink renders at once, on continuing, all the time it was stopped: what the server held is rendered
# before it reads anything a client sent meanwhile, so there the figure is mostly what it held, whatever the program
# does.
# Usage: bench/stalled-server-bench.sh BUILD_DIR [ROUNDS] [STALL] [pulseaudio|pipewire]   (defaults 3, 10, pulseaudio;
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine test_sounds`; needs pactl, parec, python3,
# dbus-daemon, dbus-send and the server's programs, which scripts/install-deps.sh --tests installs)
set -euo pipefail

rounds=${2:-3}
stall=${3:-10}
server=${4:-pulseaudio}
# shellcheck source=private-pulse.sh
source "$(dirname "$0")/private-pulse.sh"
case $server in
pulseaudio) tools="pulseaudio" ;;
pipewire) tools="pipewire pw-cli pw-metadata wireplumber pipewire-pulse" ;;
*) echo "unknown sound server $server" >&2; exit 1 ;;
esac
# shellcheck disable=SC2086 # one tool per word
private_session "${1:?usage: $0 BUILD_DIR [ROUNDS] [STALL] [pulseaudio|pipewire]}" \
    "StartStopState=ON Option=Infinite Combo1=0 Volume=50" pactl parec python3 dbus-daemon dbus-send $tools

if [ "$server" = pipewire ]; then
    # PipeWire with its own null sink, WirePlumber (on a session bus) and its pulse server; all three are stopped.
    launch dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/server-bus"
    until [ -S "$XDG_RUNTIME_DIR/server-bus" ]; do sleep 0.01; done
    mkdir -p "$XDG_RUNTIME_DIR/pulse" "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
    printf '%s\n' 'context.objects = [' '    { factory = adapter' \
        '        args = { factory.name = support.null-audio-sink node.name = "nullsink" media.class = "Audio/Sink"' \
        '                 audio.position = [ FL FR ] object.linger = true } }' ']' \
        >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/null-sink.conf"
    launch pipewire
    stalled=("$started")
    until pw-cli info 0 >/dev/null 2>&1; do sleep 0.01; done
    launch env DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/server-bus" wireplumber
    stalled+=("$started")
    until pw-metadata -n default 0 default.audio.sink 2>/dev/null | grep -qF '"name":"nullsink"'; do sleep 0.01; done
    launch pipewire-pulse
    stalled+=("$started")
    until pactl list short sinks 2>/dev/null | grep -q nullsink; do sleep 0.01; done
    version="PipeWire $(pipewire --version | awk '/libpipewire/ { print $NF; exit }')"
else
    start_pulse
    stalled=("$pulse")
    version="PulseAudio $(pulseaudio --version | awk '{ print $2 }')"
fi
# The program is turned off and on through its media controls, on a session bus of its own.
launch dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
until [ -S "$XDG_RUNTIME_DIR/bus" ]; do sleep 0.01; done
mpris() {
    timeout 10 dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.somnivox /org/mpris/MediaPlayer2 \
        "org.mpris.MediaPlayer2.Player.$1" >/dev/null
}
recording="$work/monitor.raw"
parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=10 --file-format=raw \
    "$recording" 2>>"$work/peers.log" &
recorder=$!
pids+=("$recorder")
launch "$build/somnivox"
echo "$version, null sink; stalls of $stall s, Turn Off after $((stall / 5)) s"

for round in $(seq "$rounds"); do
    until stream_playing; do sleep 0.01; done
    sleep 3
    playing=$(stat -c %s "$recording")
    kill -STOP "${stalled[@]}"
    sleep $((stall / 5))
    # The program must answer while the server is stopped.
    mpris Stop || echo "round $round: Stop was not answered within 10 s"
    sleep $((stall - stall / 5))
    offset=$(stat -c %s "$recording")
    kill -CONT "${stalled[@]}"
    sleep 3
    python3 - "$recording" "$offset" "$round" "$playing" <<'EOF'
import array, sys
before = array.array("h")
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    playing = int(sys.argv[4]) // 4 * 4
    f.seek(max(playing - 4 * 44100, 0))
    before.frombytes(f.read(min(playing, 4 * 44100)))
    f.seek(int(sys.argv[2]) // 4 * 4)
    samples.frombytes(f.read())
if max((abs(v) for v in before), default=0) == 0:
    print(f"round {sys.argv[3]}: no sound in the second before the stall")
frames = [i // 2 for i, v in enumerate(samples) if v != 0]
if frames:
    span = (frames[-1] - frames[0] + 1) / 44.1
    peak = max(abs(v) for v in samples)
    print(f"round {sys.argv[3]}: old sound after SIGCONT: {span:.0f} ms, peak {peak}")
else:
    print(f"round {sys.argv[3]}: old sound after SIGCONT: none")
EOF
    mpris Play
done
# parec keeps its last data in a buffer that only SIGINT writes out.
kill -INT "$recorder"
