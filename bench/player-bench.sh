#!/bin/sh
# Player figures: loop seams, CPU and memory while looping against an mpg123 floor, memory against file length,
# volume-change latency, the CPU of each file format, and of generating noise against decoding an MP3 loop.
# Usage: bench/player-bench.sh BUILD_DIR  (after a plain `cmake --build BUILD_DIR`)
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
bench="$build/bench/bench_player"
sounds="$build/tests/sound/sounds"
noise="$sounds/noise-loop.mp3"
work="$build/bench/player-data"
# The loudness the players measure is kept here, not in the user's cache.
export XDG_CACHE_HOME="$work/cache"
mkdir -p "$work"

echo "== 1. Loop seams: 20 loops of a LAME CBR sine and a white-noise loop, captured through filesink"
"$bench" seams 20 "$sounds/sine-cbr.mp3" "$noise"

echo
echo "== 2. Looping a noise file for 30 s: this player into 'fakesink sync=true' against mpg123 --loop -1"
echo "   decoding the same file into a pipe drained at the same pace (rate x 176400 bytes/s); pairs run at once"
for rate in 1 50; do
    SOMNIVOX_AUDIO_SINK="fakesink sync=true" "$bench" play "$noise" 30 "$rate" | tail -n 2 &
    "$bench" floor "$noise" 30 "$rate"
    wait
done

echo
echo "== 3. Peak memory, 60-minute file against 10-second file, 30 s each at rate 50 (25 minutes of the long file)"
[ -f "$work/long-60min.mp3" ] || "$build/tools/noisegen/noisegen" long 3600 "$work/long-60min.mp3"
[ -f "$work/short-10s.mp3" ] || "$build/tools/noisegen/noisegen" long 10 "$work/short-10s.mp3"
SOMNIVOX_AUDIO_SINK="fakesink sync=true" "$bench" play "$work/long-60min.mp3" 30 50 | sed 's/^/60 min: /' &
SOMNIVOX_AUDIO_SINK="fakesink sync=true" "$bench" play "$work/short-10s.mp3" 30 50 | sed 's/^/10 s:   /'
wait

echo
echo "== 4. Volume change to changed output, in the filesink capture (20 changes)"
"$bench" latency "$noise" 20

echo
echo "== 5. CPU of each format at rate 1 against MP3: the same white-noise loop, 20 s each into 'fakesink sync=true'"
SOMNIVOX_AUDIO_SINK="fakesink sync=true" "$bench" formats 20 "$noise" "$sounds/noise-loop.wav" \
    "$sounds/noise-loop.flac" "$sounds/noise-loop.ogg" "$sounds/noise-loop.opus"

echo
echo "== 6. Generating each noise against decoding an MP3 loop as long as the ones the program shipped (47.5 s, too long"
echo "   to be held in memory): 600 s of audio read from each source alone; then 20 s of each through the whole player"
[ -f "$work/loop-47s.mp3" ] || "$build/tools/noisegen/noisegen" long 47.55 "$work/loop-47s.mp3"
"$bench" sources 600 "$work/loop-47s.mp3" "White Noise" "Pink Noise" "Brown Noise"
SOMNIVOX_AUDIO_SINK="fakesink sync=true" "$bench" formats 20 "$work/loop-47s.mp3" "White Noise" "Pink Noise" "Brown Noise"
