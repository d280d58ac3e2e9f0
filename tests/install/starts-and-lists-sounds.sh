# Sourced by the install checks. starts_and_lists_sounds PROGRAM: starts PROGRAM on the offscreen platform with
# a fresh settings folder and a silent sink, and succeeds once the settings file holds "Combo1=0". The start-up
# sequence only writes that once the styles were listed, the generated noises first, and the first one chose;
# with nothing listed it fails that step and stops at the error report instead. The program must then stay up a
# while.
starts_and_lists_sounds() {
    home=$(mktemp -d)
    (
        cd "$home" || exit 1
        # A runtime folder of its own: the program allows one instance per runtime folder, and checks run side by side.
        mkdir -m 700 "$home/runtime"
        export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen
        export SOMNIVOX_AUDIO_SINK='fakesink sync=true'
        "$@" >"$home/output.txt" 2>&1 &
        pid=$!
        result=1
        tries=0
        while [ $tries -lt 300 ]; do
            if grep -qx 'Combo1=0' "$home/config/Vantrelle.ini" 2>/dev/null; then
                result=0
                break
            fi
            kill -0 $pid 2>/dev/null || break
            sleep 0.1
            tries=$((tries + 1))
        done
        [ $result -ne 0 ] || sleep 3
        if kill -0 $pid 2>/dev/null; then
            kill $pid
            wait $pid 2>/dev/null
        else
            echo "the program ended early" >&2
            result=1
        fi
        if [ $result -ne 0 ]; then
            echo "no running program with Combo1=0 in $home/config/Vantrelle.ini; settings file and output:" >&2
            cat "$home/config/Vantrelle.ini" "$home/output.txt" >&2 2>/dev/null
        fi
        exit $result
    )
    status=$?
    rm -rf "$home"
    return $status
}
