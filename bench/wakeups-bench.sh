#!/usr/bin/env bash
# Wakeups while looping noise through a sound server: the program playing its stored on state (Brown Noise,
# Infinite; then a mix of four layers: the three generated noises and a file of the user's) against the whole-program
# bench's floor (`mpg123 | gst-launch-1.0 ... ! pulsesink` playing the same file), `gst-launch-1.0 audiotestsrc
# wave=white-noise ! pulsesink` and `mpv --loop-file` on the same file, each alone on a private PulseAudio with a null
# sink, then on a private PipeWire with its pulse server where that starts. A wakeup is a context switch (voluntary
# and involuntary) of any thread, read from /proc/PID/task/*/status over SECONDS after a 3 s settling; the client's
# involuntary ones (preempted while running, as when a write to the server's socket wakes the server on the same core)
# are also shown alone. The server's are counted over the same time, and once with nothing playing. Prints a table of
# wakeups per second, with the CPU
# share of a core each used over that time and the client's peak memory; then how soon a change of the program's
# stream volume in the mixer is heard on the null sink's monitor, whatever the server holds.
# Usage: bench/wakeups-bench.sh BUILD_DIR [SECONDS]   (default 20; after `cmake --build BUILD_DIR --target somnivox
# somnivox-engine test_sounds`; needs pulseaudio and pactl, and mpg123, pipewire, wireplumber, pipewire-pulse, mpv if
# their rows are wanted)
set -euo pipefail

seconds=${2:-20}
# shellcheck source=private-pulse.sh
source "$(dirname "$0")/private-pulse.sh"
private_session "${1:?usage: $0 BUILD_DIR [SECONDS]}" "StartStopState=ON Option=Infinite Combo1=0 Volume=50" \
    pulseaudio pactl

# A mix of four layers, each looping on its own length.
mkdir -p "$HOME/.local/share/somnivox/sounds" "$HOME/.local/share/somnivox/mixes"
cp "$noise" "$HOME/.local/share/somnivox/sounds/Loop.mp3"
printf '[Mix]\nVersion=1\n[Layer1]\nSound=%s\nVolume=%s\n[Layer2]\nSound=%s\nVolume=%s\n[Layer3]\nSound=%s\nVolume=%s\n' \
    "Brown Noise" 100 "Pink Noise" 60 "White Noise" 30 >"$HOME/.local/share/somnivox/mixes/Four.mix"
printf '[Layer4]\nSound=Loop\nVolume=50\n' >>"$HOME/.local/share/somnivox/mixes/Four.mix"
# plays STYLE: the program's stored state plays STYLE from its start.
plays() {
    printf '%s\n' '[Somnivox%20Noise%20Player]' StartStopState=ON Option=Infinite Volume=50 "Style=$1" \
        >"$XDG_CONFIG_HOME/Vantrelle.ini"
}

# Context switches of every thread of the given processes; with KIND "nonvoluntary", only the preemptions.
switches() {
    local kind='(voluntary|nonvoluntary)'
    [ "$1" != nonvoluntary ] || { kind=nonvoluntary; shift; }
    local pid
    for pid in "$@"; do cat /proc/"$pid"/task/*/status 2>/dev/null; done |
        awk -v k="^${kind}_ctxt_switches:" '$0 ~ k { s += $2 } END { print s + 0 }'
}
# CPU ticks (user and system) of the given processes.
ticks() {
    local pid
    for pid in "$@"; do awk '{ print $14 + $15 }' /proc/"$pid"/stat 2>/dev/null; done | awk '{ s += $1 } END { print s + 0 }'
}
# measure NAME "SERVER_PIDS" [COMMAND...]: one row; without a command, the server alone.
measure() {
    local name=$1 server=$2 client=""
    shift 2
    if [ $# -gt 0 ]; then
        launch "$@"
        client=$started
        local tries=0
        until stream_playing; do
            tries=$((tries + 1))
            [ $tries -lt 1000 ] || { printf '%-34s %s\n' "$name" "no stream within 10 s: skipped"; end "$client"; return; }
            sleep 0.01
        done
    fi
    sleep 3
    local c0=0 s0 c1=0 s1 p0=0 p1=0 ct0=0 st0 ct1=0 st1 peak=0 pid
    # A pipeline of tools is counted whole: the shell that runs it and each of its commands.
    local counted=$client
    [ -z "$client" ] || counted="$client $(pgrep -P "$client" | tr "\n" " " || true)"
    [ -z "$client" ] || { c0=$(switches $counted); p0=$(switches nonvoluntary $counted); ct0=$(ticks $counted); }
    s0=$(switches $server)
    st0=$(ticks $server)
    sleep "$seconds"
    [ -z "$client" ] || { c1=$(switches $counted); p1=$(switches nonvoluntary $counted); ct1=$(ticks $counted); }
    s1=$(switches $server)
    st1=$(ticks $server)
    for pid in $counted; do
        peak=$(awk -v p="$peak" '/^VmHWM:/ { print ($2 > p ? $2 : p) }' /proc/"$pid"/status 2>/dev/null || echo "$peak")
    done
    [ -z "$client" ] || { pkill -P "$client" 2>/dev/null || true; end "$client"; }
    awk -v n="$name" -v c="$((c1 - c0))" -v p="$((p1 - p0))" -v s="$((s1 - s0))" -v t="$seconds" \
        -v alone="${client:+0}" -v cc="$((ct1 - ct0))" -v sc="$((st1 - st0))" -v hz="$(getconf CLK_TCK)" -v peak="$peak" \
        'BEGIN { if (alone == "") printf "%-34s %10s %10s %10.1f %10s %10.2f\n", n, "-", "-", s / t, "-", 100 * sc / hz / t
                 else printf "%-34s %10.1f %10.1f %10.1f %10.2f %10.2f %10.1f\n", n, c / t, p / t, s / t,
                                 100 * cc / hz / t, 100 * sc / hz / t, peak / 1024 }'
}

# The program plays; the mixer turns its stream down to 10% (pactl, as a desktop's mixer does); the time until the
# null sink's monitor falls below half its level in 10 ms windows, from the recording.
volume_heard() {
    launch parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=10 --file-format=raw \
        "$work/monitor.raw"
    local recorder=$started
    launch "$build/somnivox"
    local client=$started
    until stream_playing; do sleep 0.01; done
    sleep 3
    local stream offset
    stream=$(pactl list short sink-inputs | awk 'NR == 1 { print $1 }')
    offset=$(stat -c %s "$work/monitor.raw")
    pactl set-sink-input-volume "$stream" 10%
    sleep 1
    end "$client"
    end "$recorder"
    python3 - "$work/monitor.raw" "$offset" <<'EOF'
import array, math, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
changed = int(sys.argv[2]) // 4 * 2
window = 441 * 2
def level(at):
    part = samples[at:at + window]
    return math.sqrt(sum(v * v for v in part) / max(len(part), 1))
before = level(changed - 20 * window) if changed >= 20 * window else level(0)
at = changed
while at + window <= len(samples) and level(at) >= before / 2:
    at += window
heard = "not within the recording" if at + window > len(samples) else f"{(at - changed) / 2 / 44.1:.0f} ms"
print(f"  mixer volume of the program's stream heard {heard} after the change")
EOF
}

peers() {
    local server=$1
    measure "  nothing playing" "$server"
    plays "Brown Noise"
    measure "  somnivox" "$server" "$build/somnivox"
    plays Four
    measure "  somnivox, a mix of four layers" "$server" "$build/somnivox"
    plays "Brown Noise"
    # The floor of the whole-program bench, one file decoded and played by the plainest tools, here into the server.
    if command -v mpg123 >/dev/null; then
        measure "  mpg123 | gst-launch-1.0 (floor)" "$server" sh -c "mpg123 -q --loop -1 -r 44100 --stereo -e s16 -s '$noise' |
            gst-launch-1.0 -q fdsrc fd=0 ! rawaudioparse use-sink-caps=false format=pcm pcm-format=s16le \
            sample-rate=44100 num-channels=2 ! audioconvert ! volume volume=0.5 ! pulsesink"
    else
        printf '%-34s %s\n' "  mpg123 | gst-launch-1.0 (floor)" "mpg123 is not installed: skipped"
    fi
    measure "  gst-launch-1.0 ... ! pulsesink" "$server" gst-launch-1.0 -q audiotestsrc wave=white-noise volume=0.5 \
        ! audio/x-raw,rate=44100,channels=2 ! audioconvert ! pulsesink
    if command -v mpv >/dev/null; then
        measure "  mpv --loop-file" "$server" mpv --no-config --no-video --ao=pulse --loop-file=inf "$noise"
    else
        printf '%-34s %s\n' "  mpv --loop-file" "mpv is not installed: skipped"
    fi
    if command -v parec >/dev/null && command -v python3 >/dev/null; then
        volume_heard
    else
        echo "  mixer volume: parec or python3 is not installed: skipped"
    fi
}

echo "Wakeups per second (context switches, all threads) over $seconds s of looping, and of the client's those where"
echo "it was preempted (still running, so no wakeup from sleep); CPU in % of one core"
printf '%-34s %10s %10s %10s %10s %10s %10s\n' "" "client" "preempted" "server" "client CPU" "server CPU" "client MB"

echo "PulseAudio $(pulseaudio --version | awk '{ print $2 }'), null sink"
start_pulse
peers "$pulse"
end "$pulse"

for tool in pipewire pw-cli pw-metadata wireplumber pipewire-pulse dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "PipeWire: $tool is not installed: skipped"; exit 0; }
done
# wait_for SECONDS COMMAND...: polls until COMMAND succeeds; fails after SECONDS.
wait_for() {
    local tries=$(($1 * 100))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.01
    done
}
skip() {
    echo "PipeWire: $1: skipped"
    exit 0
}
# A runtime folder of its own, free of what PulseAudio left there; its pulse folder is made before pactl polls,
# which would otherwise make it halfway through pipewire-pulse's start.
export XDG_RUNTIME_DIR="$work/runtime-pipewire"
mkdir -p "$XDG_RUNTIME_DIR/pulse"
chmod 700 "$XDG_RUNTIME_DIR" "$XDG_RUNTIME_DIR/pulse"
# WirePlumber, which links the streams, needs a session bus.
launch dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
wait_for 10 test -S "$XDG_RUNTIME_DIR/bus" || skip "the session bus did not start"
# The null sink is the server's own, as a sound card would be.
mkdir -p "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
printf '%s\n' 'context.objects = [' '    { factory = adapter' \
    '        args = { factory.name = support.null-audio-sink node.name = "nullsink" media.class = "Audio/Sink"' \
    '                 audio.position = [ FL FR ] object.linger = true } }' ']' \
    >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/null-sink.conf"
launch pipewire
mixer=$started
wait_for 10 pw-cli info 0 || skip "pipewire did not answer within 10 s"
launch wireplumber
default_sink_chosen() { pw-metadata -n default 0 default.audio.sink | grep -qF '"name":"nullsink"'; }
wait_for 20 default_sink_chosen || skip "WirePlumber did not take the null sink within 20 s"
launch pipewire-pulse
pulse=$started
wait_for 10 sh -c 'pactl list short sinks | grep -q nullsink' || skip "its pulse server did not answer within 10 s"
# The pulse server only relays: PipeWire's own process does the mixing, so both are counted as the server.
echo "PipeWire $(pipewire --version | awk '/libpipewire/ { print $NF; exit }'), null sink (server: pipewire and pipewire-pulse)"
peers "$mixer $pulse"
