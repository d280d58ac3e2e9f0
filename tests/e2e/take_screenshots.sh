#!/usr/bin/env bash
# Takes the README's pictures in a private X session: the main window under a light and a dark theme and in Arabic,
# the tray with its icon and the minimise balloon, and the tray menu. Usage: take_screenshots.sh PROGRAM OUTPUT_FOLDER
SOMNIVOX=${1:?program}
OUTPUT=$(realpath "${2:?output folder}")
E2E_ARTIFACTS=$OUTPUT
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# crop_shot SOURCE DESTINATION WIDTH HEIGHT X Y
crop_shot() {
    convert "$1" -crop "${3}x${4}+${5}+${6}" +repage "$2"
    log "wrote $2"
}

# The absolute left, top, width and height of a window.
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

# window_picture NAME: the main window with its frame, once it has painted and the pointer has left it.
window_picture() {
    xdotool mousemove 0 0
    sleep 1
    shot "$1"
    read -r x y w h < <(window_box "$APP_WINDOW")
    # Openbox's frame: a title bar of about 20 pixels and a one-pixel border.
    crop_shot "$LAST_SHOT" "$OUTPUT/x11-$1.png" $((w + 2)) $((h + 22)) $((x - 1)) $((y - 21))
}

start_x
start_wm
start_tray

# A dark theme (qt6ct's "darker" scheme), and the window in Arabic, laid out from the right.
mkdir -p "$WORK/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$WORK/config/qt6ct/qt6ct.conf"
for variant in "main-window-dark QT_QPA_PLATFORMTHEME=qt6ct" "main-window-arabic LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8"; do
    # shellcheck disable=SC2086 # a name and the environment it is taken in
    set -- $variant
    name=$1
    shift
    start_app "$@"
    wait_main_window
    window_picture "$name"
    close_main_window
    wait_app_ended 10
done

start_app
wait_main_window
wait_until 10 tray_icon_present || fail "no tray icon"
window_picture main-window

xdotool windowminimize "$APP_WINDOW"
wait_until 5 balloon_shown || fail "no balloon"
sleep 0.5
shot balloon
read -r bx by _ _ < <(window_box "$(balloons | head -n 1)")
read -r ix iy iw ih < <(window_box "$(tray_icon)")
left=$((bx - 8))
top=$((by - 8))
crop_shot "$LAST_SHOT" "$OUTPUT/x11-tray-balloon.png" $((ix + iw + 1 - left)) $((iy + ih + 1 - top)) "$left" "$top"

# The tray's menu, opened by a right click on the icon and worked with the keyboard: a sleep timer of 30 minutes
# chosen, then the menu opened again on its Sleep Timer submenu.
wait_until 10 no_balloon || fail "the balloon stayed"
click_tray_icon 3
sleep 0.5
xdotool key s 3
click_tray_icon 3
sleep 0.5
xdotool key s
sleep 0.5
shot tray-menu
# The icon with the menu and its submenu: every visible window of the program's.
box=$(for w in $(xdotool search --all --onlyvisible --pid "$APP_PID"); do window_box "$w"; done | awk '
    NR == 1 || $1 < l { l = $1 } NR == 1 || $2 < t { t = $2 }
    NR == 1 || $1 + $3 > r { r = $1 + $3 } NR == 1 || $2 + $4 > b { b = $2 + $4 }
    END { print r - l + 16, b - t + 16, l - 8, t - 8 }')
# shellcheck disable=SC2086 # width, height, left and top
crop_shot "$LAST_SHOT" "$OUTPUT/x11-tray-menu.png" $box
