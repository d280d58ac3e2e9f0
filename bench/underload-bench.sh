#!/usr/bin/env bash
# Dropouts under load: the program loops its stored on state (White Noise, Infinite) on a private PulseAudio with a
# null sink while two busy loops take both cores for SECONDS; the null sink's monitor is recorded meanwhile. Prints
# the silent stretches in the recording after the sound started (an underrun leaves silence at the sink) and the
# underruns the server logged for the stream. The sound starts without a fade, whose first frames round to silence.
# Usage: bench/underload-bench.sh BUILD_DIR [SECONDS [LOOPS]]   (default 60 s and 2 busy loops; after
# `cmake --build BUILD_DIR --target somnivox somnivox-engine test_sounds`; needs pulseaudio, pactl, parec and
# python3)
set -euo pipefail

seconds=${2:-60}
loops=${3:-2}
# shellcheck source=private-pulse.sh
source "$(dirname "$0")/private-pulse.sh"
private_session "${1:?usage: $0 BUILD_DIR [SECONDS [LOOPS]]}" \
    "StartStopState=ON Option=Infinite Combo1=0 Volume=50 Fade%20In=0" pulseaudio pactl parec python3
# The server's debug log names every underrun of a stream.
start_pulse --log-level=debug --log-target=stderr
launch parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=10 --file-format=raw \
    "$work/monitor.raw"
launch "$build/somnivox"
until stream_playing; do sleep 0.01; done
underruns_before=$(grep -ci underrun "$work/server.log" || true)
for ((loop = 0; loop < loops; loop++)); do
    launch sh -c 'while :; do :; done'
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
