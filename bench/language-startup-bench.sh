#!/bin/sh
# Start-up in the user's language: exec to the main window mapped under German and Arabic (a catalogue and Qt's own
# loaded, the Arabic window mirrored) and under C (no catalogue), against a bare Qt window with a tray icon, a label
# and a check box (bench_bare_window), in one Xvfb session with a tray host and a private session bus.
# The starts interleave, one of each per round, so a load that comes and goes on a shared machine falls on all.
# Prints per case the median wall time, its ratio to the bare window's, the lowest and highest ratio of one round's
# start to the bare window's start of the same round, and the range that holds the median ratio with about 95%
# confidence (order statistics of the per-round ratios, no assumption on their distribution): a median outside the
# target whose range still reaches it says "measure again", not "too slow".
# Usage: bench/language-startup-bench.sh BUILD_DIR [RUNS]   (default 15)
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine bench_bare_window bench_launch`, with the locales
# de_DE.UTF-8 and ar_EG.UTF-8 generated (scripts/install-deps.sh --tests).
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [RUNS]}" && pwd)
runs=${2:-15}
launch="$build/bench/bench_launch"
bare="$build/bench/bench_bare_window"
for file in "$build/somnivox" "$build/somnivox-engine.so" "$launch" "$bare"; do
    [ -e "$file" ] || { echo "missing $file: build the program and the bench targets first" >&2; exit 1; }
done
for language in de_DE ar_EG; do
    locale -a | grep -qx "$language.utf8" || { echo "the locale $language.UTF-8 is missing" >&2; exit 1; }
done

. "$(dirname "$0")/private-display.sh"
scratch_folders

start_program_desktop

settings() {
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[Somnivox%%20Noise%%20Player]\nCombo1=0\nVolume=50\nPitch=1\nOption=Infinite\nStartStopState=OFF\n' \
        >"$XDG_CONFIG_HOME/Vantrelle.ini"
}
# launch LANGUAGE TITLE_PART COMMAND: one timed start, "wall_ms cpu_ms"; a start that Xvfb refused is retried.
launch() {
    language=$1
    shift
    for attempt in 1 2 3 4 5; do
        LANG=$language LC_ALL=$language "$launch" "$@" 2>>"$work/launch.log" && return 0
    done
    echo "could not time $2 under $language; see $work/launch.log" >&2
    return 1
}
median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# summary FILE REFERENCE COLUMN NAME: the median of FILE's column (1 wall, 2 CPU), the median of the per-round ratios
# to REFERENCE's, their lowest and highest, and the k-th lowest and k-th highest ratio, k the largest with
# 2 P(Binomial(n, 1/2) < k) <= 0.05.
summary() {
    paste -d' ' "$1" "$2" | awk -v c="$3" -v name="$4" '{ r[NR] = $(c + 2) > 0 ? $c / $(c + 2) : 0; w[NR] = $c }
        END {
            n = NR
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) {
                if (r[j] < r[i]) { t = r[i]; r[i] = r[j]; r[j] = t }
                if (w[j] < w[i]) { t = w[i]; w[i] = w[j]; w[j] = t }
            }
            mid = n % 2 ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
            wall = n % 2 ? w[(n + 1) / 2] : (w[n / 2] + w[n / 2 + 1]) / 2
            k = 0; p = 0; c = 1
            for (i = 0; i < n; i++) {
                if (i > 0) c = c * (n - i + 1) / i
                p += c / 2 ^ n
                if (2 * p > 0.05) break
                k = i + 1
            }
            printf "%8.1f ms  %.2fx %s (runs %.2fx-%.2fx", wall, mid, name, r[1], r[n]
            if (k >= 1) printf "; the median lies in %.2fx-%.2fx at 95%%)\n", r[k], r[n - k + 1]
            else printf "; too few runs to bound the median)\n"
        }'
}

echo "Start-up in the user's language: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
# One unmeasured start each first: GStreamer and fontconfig build their caches in the fresh HOME once.
settings
launch C "Somnivox Noise Player" "$build/somnivox" >/dev/null
launch C "Bare Window" "$bare" >/dev/null
: >"$work/bare.ms"
: >"$work/C.ms"
: >"$work/de.ms"
: >"$work/ar.ms"
i=0
while [ $i -lt "$runs" ]; do
    launch C "Bare Window" "$bare" >>"$work/bare.ms"
    for case in C:C de:de_DE.UTF-8 ar:ar_EG.UTF-8; do
        settings
        launch "${case#*:}" "Somnivox Noise Player" "$build/somnivox" >>"$work/${case%%:*}.ms"
    done
    i=$((i + 1))
done
for column in 1:wall 2:CPU; do
    c=${column%%:*}
    echo "== exec to the window mapped, ${column#*:} time (median of $runs rounds)"
    printf '   %-30s %8.1f ms\n' "bare window with tray icon" "$(cut -d' ' -f"$c" <"$work/bare.ms" | median)"
    printf '   %-30s %s\n' "somnivox under C" "$(summary "$work/C.ms" "$work/bare.ms" "$c" "the bare window")"
    for case in "de:in German" "ar:in Arabic, mirrored"; do
        printf '   %-30s %s (target <= 1.15x)\n' "somnivox ${case#*:}" \
            "$(summary "$work/${case%%:*}.ms" "$work/bare.ms" "$c" "the bare window")"
        printf '   %-30s %s\n' "" "$(summary "$work/${case%%:*}.ms" "$work/C.ms" "$c" "somnivox under C")"
    done
done
