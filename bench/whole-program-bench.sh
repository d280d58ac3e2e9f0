#!/bin/sh
# Whole-program figures, each against a floor, in one Xvfb session with a tray host, a private session bus and the
# runtime folder in memory, as on a desktop:
#   5. (first) listing a folder of 50,000 files, bench_listing;
#   0. time to the first audio: from the release of a click on "Turn On", and from exec with the stored state ON
#      (median of RUNS each);
#   1. start-up, exec to the main window mapped, with 3 and with 300 sounds, against a bare Qt window with a
#      tray icon, a label and a check box (bench_bare_window) started the same way; median of RUNS starts each,
#      interleaved, with the lowest and highest ratio of one run's start to the bare window's start beside it;
#   2. peak memory (VmHWM) after SECONDS of looping noise, against the bare window over the same time;
#   3. CPU while looping for SECONDS, against mpg123 --loop -1 decoding the same file into the same sink;
#   4. wakeups per second of the program turned off and idle, over IDLE seconds, against the bare window.
# Usage: bench/whole-program-bench.sh BUILD_DIR [SECONDS [IDLE [RUNS]]]   (defaults 60 30 11)
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine bench_bare_window bench_launch bench_listing
# test_sounds`.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [SECONDS [IDLE [RUNS]]]}" && pwd)
seconds=${2:-60}
idle=${3:-30}
runs=${4:-11}
launch="$build/bench/bench_launch"
bare="$build/bench/bench_bare_window"
for file in "$build/somnivox" "$build/somnivox-engine.so" "$launch" "$bare" "$build/tests/sound/sounds/noise-loop.mp3"; do
    [ -e "$file" ] || { echo "missing $file: build the program and the bench targets first" >&2; exit 1; }
done

. "$(dirname "$0")/private-display.sh"
scratch_folders

# Programs must touch nothing of the user's; the settings of each run are laid fresh below.
start_program_desktop

# A copy of the program folder with N sounds: the three generated noises and hard links of a test MP3.
program_folder() {
    folder="$work/program-$1"
    mkdir -p "$folder/sounds"
    cp "$build/somnivox" "$build/somnivox-engine.so" "$folder/"
    [ ! -e "$build/HAND-M.CUR" ] || cp "$build/HAND-M.CUR" "$folder/"
    i=3
    while [ "$i" -lt "$1" ]; do
        i=$((i + 1))
        ln "$build/tests/sound/sounds/noise-loop.mp3" "$folder/sounds/$(printf 'Noise %03d' "$i").mp3"
    done
    echo "$folder/somnivox"
}
three=$(program_folder 3)
many=$(program_folder 300)

# settings STATE [FOLDER]: the stored choices of a returning user (those a first start wrote, once that
# exists) with playback "ON" (loops from the first tick) or "OFF", laid into XDG_CONFIG_HOME or FOLDER.
settings() {
    folder=${2:-$XDG_CONFIG_HOME}
    rm -rf "$folder"
    mkdir -p "$folder"
    if [ -f "$work/returning.ini" ]; then
        grep -v '^StartStopState=' "$work/returning.ini" >"$folder/Vantrelle.ini"
    else
        printf '[Somnivox%%20Noise%%20Player]\nCombo1=0\nVolume=50\nPitch=1\nOption=Infinite\n' >"$folder/Vantrelle.ini"
    fi
    echo "StartStopState=$1" >>"$folder/Vantrelle.ini"
}

# launch TITLE_PART COMMAND: one timed start, "wall_ms cpu_ms"; a start that Xvfb refused a connection is retried.
launch() {
    for attempt in 1 2 3 4 5; do
        "$launch" "$@" 2>>"$work/launch.log" && return 0
    done
    echo "could not time $2; see $work/launch.log" >&2
    return 1
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# spread FILE_A FILE_B: the ratio of each run's wall time in A to the same run's in B (the runs interleave), as
# "lowest-highest", and the wall times of A as "lowest-highest".
spread() {
    paste -d' ' "$1" "$2" | awk '{ r = $3 > 0 ? $1 / $3 : 0; if (NR == 1 || r < lo) lo = r; if (NR == 1 || r > hi) hi = r
                                   if (NR == 1 || $1 < a) a = $1; if (NR == 1 || $1 > b) b = $1 }
                                 END { printf "runs %.2fx-%.2fx, %s-%s ms", lo, hi, a, b }'
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'
}
# CPU seconds (user + system, all threads) of the given processes.
cpu_seconds() {
    ticks=$(getconf CLK_TCK)
    for pid in "$@"; do awk '{ print $14 + $15 }' "/proc/$pid/stat"; done |
        awk -v t="$ticks" '{ s += $1 } END { printf "%.3f", s / t }'
}
vmhwm_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}
# Resident now: private anonymous memory, and pages of mapped files (libraries, fonts) shared with others.
rss_split() {
    awk '/^RssAnon:/ { a = $2 } /^RssFile:/ { f = $2 } END { printf "anonymous %s KiB, files %s KiB", a, f }' \
        "/proc/$1/status"
}
# Voluntary context switches of every thread: each one is a sleep that a wakeup ends.
wakeups() {
    cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches:/ { s += $2 } END { print s }'
}
# Per thread: id, voluntary context switches, name.
thread_wakeups() {
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${task##*/}" "$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$task/status")" \
            "$(cat "$task/comm")"
    done
}

echo "Whole-program figures: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Xvfb :$display with trayer as the tray host and a private session bus; sink: $SOMNIVOX_AUDIO_SINK, or a real-time file sink where said"
echo

# first_audio: milliseconds from the moment before the action to the first audio written by a file sink.
now_ms() {
    date +%s%3N
}
wait_for_audio() {
    tries=0
    while [ ! -s "$1" ]; do
        tries=$((tries + 1))
        [ $tries -lt 20000 ] || return 1
        sleep 0.001
    done
}
echo "== 5. Listing 50,000 files (target <= 120 ms)"
if [ -x "$build/bench/bench_listing" ]; then
    echo "   $("$build/bench/bench_listing" 50000)"
else
    echo "   build bench_listing for this row"
fi
echo

echo "== 0. Time to the first audio (median of $runs; a file sink paced in real time)"
: >"$work/exec-audio.ms"
: >"$work/click-audio.ms"
i=0
while [ $i -lt "$runs" ]; do
    rm -f "$work/first.raw"
    settings ON
    start=$(now_ms)
    SOMNIVOX_AUDIO_SINK="filesink location=$work/first.raw sync=true buffer-mode=2" "$three" >>"$work/first.log" 2>&1 &
    player=$!
    wait_for_audio "$work/first.raw" && echo $(($(now_ms) - start)) >>"$work/exec-audio.ms"
    kill $player
    wait $player 2>/dev/null || true
    rm -f "$work/first.raw"
    settings OFF
    SOMNIVOX_AUDIO_SINK="filesink location=$work/first.raw sync=true buffer-mode=2" "$three" >>"$work/first.log" 2>&1 &
    player=$!
    window=$(xdotool search --sync --onlyvisible --pid $player --name "Somnivox Noise Player" | head -n 1)
    # "Turn On" is the first button, across the top of the window. The button acts on the release, timed alone:
    # `xdotool click` sleeps 100 ms of its own after the release before it returns.
    xdotool mousemove --window "$window" 268 21 mousedown 1
    sleep 0.5
    start=$(now_ms)
    xdotool mouseup 1
    wait_for_audio "$work/first.raw" && echo $(($(now_ms) - start)) >>"$work/click-audio.ms"
    kill $player
    wait $player 2>/dev/null || true
    i=$((i + 1))
done
printf '   %-34s %8s ms  (target <= 100 ms; %s of %s runs heard)\n' "click \"Turn On\" to the first audio" \
    "$(median <"$work/click-audio.ms")" "$(wc -l <"$work/click-audio.ms")" "$runs"
printf '   %-34s %8s ms  (target <= 300 ms; %s of %s runs heard)\n' "exec to the first audio, stored ON" \
    "$(median <"$work/exec-audio.ms")" "$(wc -l <"$work/exec-audio.ms")" "$runs"
echo

echo "== 1. Start-up, exec to the main window mapped (median of $runs, interleaved; wall clock and CPU used)"
# One unmeasured start each first: GStreamer builds its plugin registry in the fresh HOME once, and the
# program stores the choices it restores, as for any returning user.
settings OFF
launch "Somnivox Noise Player" "$three" >/dev/null
cp "$XDG_CONFIG_HOME/Vantrelle.ini" "$work/returning.ini"
launch "Bare Window" "$bare" >/dev/null
# The same start with the settings folder in memory: what the settings file's disk syncs cost.
shm=/dev/shm/somnivox-bench.$$
: >"$work/bare.ms"
: >"$work/three.ms"
: >"$work/many.ms"
: >"$work/shm.ms"
i=0
while [ $i -lt "$runs" ]; do
    launch "Bare Window" "$bare" >>"$work/bare.ms"
    settings OFF
    launch "Somnivox Noise Player" "$three" >>"$work/three.ms"
    settings OFF
    launch "Somnivox Noise Player" "$many" >>"$work/many.ms"
    if [ -d /dev/shm ]; then
        settings OFF "$shm"
        XDG_CONFIG_HOME="$shm" launch "Somnivox Noise Player" "$three" >>"$work/shm.ms"
    fi
    i=$((i + 1))
done
rm -rf "$shm"
bare_ms=$(cut -d' ' -f1 <"$work/bare.ms" | median)
bare_cpu=$(cut -d' ' -f2 <"$work/bare.ms" | median)
three_ms=$(cut -d' ' -f1 <"$work/three.ms" | median)
three_cpu=$(cut -d' ' -f2 <"$work/three.ms" | median)
many_ms=$(cut -d' ' -f1 <"$work/many.ms" | median)
many_cpu=$(cut -d' ' -f2 <"$work/many.ms" | median)
shm_ms=$(cut -d' ' -f1 <"$work/shm.ms" | median)
shm_cpu=$(cut -d' ' -f2 <"$work/shm.ms" | median)
printf '   %-28s %8s ms wall %8s ms CPU   (%s)\n' "bare window with tray icon" "$bare_ms" "$bare_cpu" \
    "$(spread "$work/bare.ms" "$work/bare.ms" | sed 's/^[^,]*, //')"
printf '   %-28s %8s ms wall %8s ms CPU   %sx / %sx the bare window (target <= 1.15x; %s)\n' "somnivox, 3 sounds" \
    "$three_ms" "$three_cpu" "$(ratio "$three_ms" "$bare_ms")" "$(ratio "$three_cpu" "$bare_cpu")" \
    "$(spread "$work/three.ms" "$work/bare.ms")"
printf '   %-28s %8s ms wall %8s ms CPU   %sx / %sx the bare window (target <= 1.15x; %s)\n' "somnivox, 300 sounds" \
    "$many_ms" "$many_cpu" "$(ratio "$many_ms" "$bare_ms")" "$(ratio "$many_cpu" "$bare_cpu")" \
    "$(spread "$work/many.ms" "$work/bare.ms")"
[ ! -s "$work/shm.ms" ] ||
    printf '   %-28s %8s ms wall %8s ms CPU   %sx / %sx the bare window\n' "somnivox, 3, settings in RAM" \
        "$shm_ms" "$shm_cpu" "$(ratio "$shm_ms" "$bare_ms")" "$(ratio "$shm_cpu" "$bare_cpu")"
echo

echo "== 2./3. $seconds s of looping noise: somnivox, the bare window and the mpg123 floor, side by side"
sound="$build/tests/sound/sounds/noise-loop.mp3"
settings ON
# Both play into a file sink paced in real time, which shows how much audio each really played.
SOMNIVOX_AUDIO_SINK="filesink location=$work/somnivox.raw sync=true" "$three" >"$work/somnivox.log" 2>&1 &
player=$!
pids="$pids $player"
"$bare" >"$work/bare.log" 2>&1 &
window=$!
pids="$pids $window"
# The same decode-and-play work done by the plainest tools: mpg123 decodes in a loop at 44.1 kHz stereo
# 16-bit into a pipe, GStreamer applies the same volume (the program's default of 50) and plays into the
# same sink, which paces the pipe in real time.
mkfifo "$work/pcm"
mpg123 -q --loop -1 -r 44100 --stereo -e s16 -s "$sound" >"$work/pcm" 2>/dev/null &
decoder=$!
pids="$pids $decoder"
gst-launch-1.0 -q fdsrc fd=0 ! rawaudioparse use-sink-caps=false format=pcm pcm-format=s16le \
    sample-rate=44100 num-channels=2 ! audioconvert ! volume volume=0.5 ! filesink location="$work/floor.raw" sync=true \
    <"$work/pcm" >/dev/null 2>&1 &
floor=$!
pids="$pids $floor"
# Past start-up and the first schedule tick, which starts the loop.
sleep 3
player_cpu0=$(cpu_seconds $player)
player_loop_w0=$(wakeups $player)
floor_cpu0=$(cpu_seconds $decoder $floor)
sleep "$seconds"
player_loop_w=$(($(wakeups $player) - player_loop_w0))
player_cpu=$(awk -v a="$(cpu_seconds $player)" -v b="$player_cpu0" 'BEGIN { printf "%.3f", a - b }')
floor_cpu=$(awk -v a="$(cpu_seconds $decoder $floor)" -v b="$floor_cpu0" 'BEGIN { printf "%.3f", a - b }')
player_kib=$(vmhwm_kib $player)
bare_kib=$(vmhwm_kib $window)
player_split=$(rss_split $player)
bare_split=$(rss_split $window)
player_threads=$(ls /proc/$player/task | wc -l)
grep -q 'StartStopState=ON' "$XDG_CONFIG_HOME/Vantrelle.ini" || echo "   WARNING: the program did not keep playback on"
kill $player $window $decoder $floor
wait $player $window $decoder $floor 2>/dev/null || true
printf '   %-34s %8s KiB  %sx the bare window (target <= 1.4x); %s\n' "peak memory, somnivox looping" \
    "$player_kib" "$(ratio "$player_kib" "$bare_kib")" "$player_split"
printf '   %-34s %8s KiB  %s\n' "peak memory, bare window" "$bare_kib" "$bare_split"
printf '   %-34s %8s s    %s%% of one core, %s threads\n' "CPU, somnivox looping" "$player_cpu" \
    "$(awk -v c="$player_cpu" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * c / s }')" "$player_threads"
printf '   %-34s %8s s    %s%% of one core\n' "CPU, mpg123 | gst-launch floor" "$floor_cpu" \
    "$(awk -v c="$floor_cpu" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * c / s }')"
printf '   %-34s %8sx (target <= 0.3x)\n' "CPU ratio, somnivox / floor" "$(ratio "$player_cpu" "$floor_cpu")"
printf '   %-34s %8s /s   (into the file sink; on a sound server: bench/wakeups-bench.sh)\n' "wakeups, somnivox looping" \
    "$(awk -v w="$player_loop_w" -v s="$seconds" 'BEGIN { printf "%.1f", w / s }')"
printf '   %-34s %8s s somnivox, %s s floor (44.1 kHz stereo 16-bit)\n' "audio played in all" \
    "$(awk -v b="$(stat -c %s "$work/somnivox.raw" 2>/dev/null || echo 0)" 'BEGIN { printf "%.1f", b / 176400 }')" \
    "$(awk -v b="$(stat -c %s "$work/floor.raw" 2>/dev/null || echo 0)" 'BEGIN { printf "%.1f", b / 176400 }')"
echo

echo "== 4. Turned off and idle for $idle s: wakeups (voluntary context switches, all threads)"
settings OFF
"$three" >"$work/somnivox-idle.log" 2>&1 &
player=$!
pids="$pids $player"
"$bare" >"$work/bare-idle.log" 2>&1 &
window=$!
pids="$pids $window"
sleep 5
thread_wakeups $player >"$work/threads0"
player_w0=$(wakeups $player)
bare_w0=$(wakeups $window)
if perf stat -e context-switches -p $player -o "$work/perf.txt" -- sleep "$idle" 2>/dev/null; then
    perf_switches=$(awk '/context-switches/ { gsub(",", "", $1); print $1 }' "$work/perf.txt")
else
    sleep "$idle"
    perf_switches=""
fi
player_w=$(($(wakeups $player) - player_w0))
player_off_kib=$(vmhwm_kib $player)
bare_off_kib=$(vmhwm_kib $window)
player_off_split=$(rss_split $player)
engine_mapped=$(grep -c -e somnivox-engine -e libgst -e libmpg123 /proc/$player/maps || true)
bare_w=$(($(wakeups $window) - bare_w0))
thread_wakeups $player >"$work/threads1"
# Afterwards, since tracing adds switches of its own: the system calls behind what remains, over 10 s.
if command -v strace >/dev/null; then
    timeout -s INT 10 strace -c -f -p $player -o "$work/strace.txt" 2>/dev/null || true
fi
kill $player $window
wait $player $window 2>/dev/null || true
printf '   %-34s %8s KiB  %sx the bare window (target <= 1.15x); %s; engine mappings: %s\n' \
    "peak memory, somnivox off" "$player_off_kib" "$(ratio "$player_off_kib" "$bare_off_kib")" "$player_off_split" \
    "$engine_mapped"
printf '   %-34s %8s /s\n' "somnivox, off" "$(awk -v w="$player_w" -v s="$idle" 'BEGIN { printf "%.2f", w / s }')"
printf '   %-34s %8s /s\n' "bare window" "$(awk -v w="$bare_w" -v s="$idle" 'BEGIN { printf "%.2f", w / s }')"
[ -z "$perf_switches" ] ||
    printf '   %-34s %8s /s\n' "perf stat context-switches, somnivox" \
        "$(awk -v w="$perf_switches" -v s="$idle" 'BEGIN { printf "%.2f", w / s }')"
echo "   somnivox by thread (wakeups over the $idle s):"
awk 'NR == FNR { before[$1] = $2; next }
     { name = $3; for (i = 4; i <= NF; i++) name = name " " $i; printf "     %-20s %d\n", name, $2 - before[$1] }' \
    "$work/threads0" "$work/threads1"
if [ -s "$work/strace.txt" ]; then
    echo "   somnivox system calls over 10 s more (strace -c -f):"
    sed -n '/^% time/,$p' "$work/strace.txt" | grep -v -e '^-' -e '^100' | sed 's/^/     /'
fi
