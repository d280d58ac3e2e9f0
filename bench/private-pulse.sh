# Sourced by the benches that play the program on a private sound server. Nothing of the user's is touched, nor the
# machine's sound server: all lives in a scratch folder, $work, removed at exit with every process started here.
#
# private_session BUILD_DIR SETTINGS TOOLS...: checks the program, a test MP3 and TOOLS, makes the scratch home and
# runtime folder, and stores the program's settings, the [Somnivox Noise Player] keys in SETTINGS (one string,
# separated by spaces). Sets build and noise.
private_session() {
    build=$(cd "$1" && pwd)
    local settings=$2
    shift 2
    noise="$build/tests/sound/sounds/noise-loop.mp3"
    local file tool
    for file in "$build/somnivox" "$noise"; do
        [ -e "$file" ] || { echo "missing $file: build somnivox, somnivox-engine and test_sounds first" >&2; exit 1; }
    done
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --tests)" >&2; exit 1; }
    done
    work=$(mktemp -d)
    pids=()
    trap end_session EXIT INT TERM
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
    unset SOMNIVOX_AUDIO_SINK PULSE_SERVER PULSE_RUNTIME_PATH DISPLAY WAYLAND_DISPLAY SESSION_MANAGER PIPEWIRE_REMOTE
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # shellcheck disable=SC2086 # one key=value per word
    printf '%s\n' '[Somnivox%20Noise%20Player]' $settings >"$XDG_CONFIG_HOME/Vantrelle.ini"
}

end_session() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

# Starts "$@" in the background, its output in $work/peers.log, and sets started to its id.
launch() {
    "$@" >>"$work/peers.log" 2>&1 &
    started=$!
    pids+=("$started")
}

end() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

stream_playing() { pactl list sink-inputs 2>/dev/null | grep -q 'Corked: no'; }

# start_pulse [PULSEAUDIO_OPTION...]: a PulseAudio with a null sink as its default, logging into $work/server.log;
# returns once it answers, and sets pulse to its id.
start_pulse() {
    printf '%s\n' 'load-module module-null-sink sink_name=nullsink' \
        'load-module module-native-protocol-unix auth-anonymous=1' 'set-default-sink nullsink' >"$work/server.pa"
    pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$work/server.pa" "$@" >>"$work/server.log" 2>&1 &
    pulse=$!
    pids+=("$pulse")
    local tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -lt 1000 ] || { echo "PulseAudio did not start" >&2; exit 1; }
        sleep 0.01
    done
}
