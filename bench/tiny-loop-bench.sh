#!/bin/sh
# CPU of the whole program looping a tiny sound, which is decoded once and looped from memory, against a noise loop
# of 1.5 s: a one-frame WAV, a 4 ms WAV of 1024 channels, and the test sounds' noise-loop.wav, each played by the
# program with the stored state ON into 'fakesink sync=true', measured over SECONDS after 2 s of start-up.
# Usage: bench/tiny-loop-bench.sh BUILD_DIR [SECONDS [ENGINE]]   (defaults 20, BUILD_DIR/somnivox-engine.so)
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine test_sounds`; ENGINE compares another build of the
# engine module with the same program.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [SECONDS [ENGINE]]}" && pwd)
seconds=${2:-20}
engine=${3:-$build/somnivox-engine.so}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

le() { # VALUE BYTES: VALUE little-endian
    v=$1 n=$2
    while [ "$n" -gt 0 ]; do
        printf "\\$(printf '%03o' $((v & 255)))"
        v=$((v >> 8)) n=$((n - 1))
    done
}
wave() { # FILE RATE CHANNELS FRAMES: 16-bit random samples
    bytes=$(($4 * $3 * 2))
    { printf 'RIFF'; le $((36 + bytes)) 4; printf 'WAVEfmt '; le 16 4; le 1 2; le "$3" 2; le "$2" 4
      le $(($2 * $3 * 2)) 4; le $(($3 * 2)) 2; le 16 2; printf 'data'; le "$bytes" 4; head -c "$bytes" /dev/urandom
    } >"$1"
}
wave "$work/one-frame.wav" 44100 2 1
wave "$work/1024-channels.wav" 44100 1024 176

export SOMNIVOX_AUDIO_SINK='fakesink sync=true' QT_QPA_PLATFORM=offscreen
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY 2>/dev/null || true
echo "Looping a tiny sound: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "engine: $engine"
ticks=$(getconf CLK_TCK)
for sound in "$work/one-frame.wav" "$work/1024-channels.wav" "$build/tests/sound/sounds/noise-loop.wav"; do
    run="$work/run-$(basename "$sound")"
    mkdir -p "$run/program/sounds" "$run/config" "$run/runtime"
    chmod 700 "$run/runtime"
    cp "$build/somnivox" "$run/program/"
    cp "$engine" "$run/program/somnivox-engine.so"
    cp "$sound" "$run/program/sounds/"
    printf '[Somnivox%%20Noise%%20Player]\nCombo1=0\nVolume=50\nPitch=1\nOption=Infinite\nStartStopState=ON\n' \
        >"$run/config/Vantrelle.ini"
    HOME="$run" XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime" "$run/program/somnivox" \
        >"$run/log" 2>&1 &
    pid=$!
    sleep 2
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$seconds"
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v name="$(basename "$sound")" -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" \
        'BEGIN { printf "  %-20s %d s: cpu %.2f s, %.1f%% of one core\n", name, s, t / hz, 100 * t / hz / s }'
done
