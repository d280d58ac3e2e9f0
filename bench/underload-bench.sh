#!/usr/bin/env bash
# Dropouts under load: the program loops its stored on state (White Noise, Infinite) on a private PulseAudio with a
# null sink while two busy loops take both cores for SECONDS; the null sink's monitor is recorded meanwhile. Prints
# the silent stretches in the recording after the sound started (an underrun leaves silence at the sink) and the
# underruns the server logged for the stream. The sound starts without a fade, whose first frames round to silence.
# Usage: bench/underload-bench.sh BUILD_DIR [SECONDS [LOOPS]]   (default 60 s and 2 busy loops; after `cmake --build BUILD_DIR --target somnivox
# somnivox-engine default_sounds`; needs pulseaudio, pactl, parec and python3)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-60}
loops=${3:-2}
for file in "$build/somnivox" "$build/sounds/White Noise.mp3"; do
    [ -e "$file" ] || { echo "missing $file: build somnivox, somnivox-engine and default_sounds first" >&2; exit 1; }
done
for tool in pulseaudio pactl parec python3; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --tests)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset SOMNIVOX_AUDIO_SINK PULSE_SERVER PULSE_RUNTIME_PATH DISPLAY WAYLAND_DISPLAY SESSION_MANAGER PIPEWIRE_REMOTE
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '%s\n' '[Somnivox%20Noise%20Player]' StartStopState=ON Option=Infinite Combo1=0 Volume=50 Fade%20In=0 \
    >"$XDG_CONFIG_HOME/Vantrelle.ini"
start() {
    "$@" &
    pids+=("$!")
}

printf '%s\n' 'load-module module-null-sink sink_name=nullsink' \
    'load-module module-native-protocol-unix auth-anonymous=1' 'set-default-sink nullsink' >"$work/server.pa"
# The server's debug log names every underrun of a stream.
start pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$work/server.pa" --log-level=debug --log-target=stderr \
    2>"$work/server.log"
tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -lt 1000 ] || { echo "PulseAudio did not start" >&2; exit 1; }
    sleep 0.01
done
start parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=10 --file-format=raw \
    "$work/monitor.raw"
start "$build/somnivox" >"$work/somnivox.log" 2>&1
until pactl list sink-inputs 2>/dev/null | grep -q 'Corked: no'; do sleep 0.01; done
underruns_before=$(grep -ci underrun "$work/server.log" || true)
for ((loop = 0; loop < loops; loop++)); do
    start sh -c 'while :; do :; done'
done
sleep "$seconds"
underruns=$(($(grep -ci underrun "$work/server.log" || true) - underruns_before))
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
wait 2>/dev/null || true
pids=()

echo "$seconds s of looping with $loops busy loops on $(nproc) cores, PulseAudio $(pulseaudio --version | awk '{ print $2 }')"
python3 - "$work/monitor.raw" <<'EOF'
import array, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
frames = len(samples) // 2
first = next((i for i in range(frames) if samples[2 * i] or samples[2 * i + 1]), frames)
runs, run, longest = 0, 0, 0
for i in range(first, frames):
    if samples[2 * i] == 0 and samples[2 * i + 1] == 0:
        run += 1
    else:
        if run >= 16:
            runs += 1
        longest = max(longest, run)
        run = 0
print(f"  recorded after the first sound   {(frames - first) / 44100:8.1f} s")
print(f"  silent stretches of 16+ frames   {runs:8d}")
print(f"  longest silent stretch           {longest:8d} frames")
EOF
printf '  %-32s %8s\n' "underruns in the server's log" "$underruns"
