#!/usr/bin/env bash
# What a side-by-side look at the window finds: every title bar reads exactly its caption, the option buttons and
# check boxes are white like their frames under a light theme and take the theme's base colour under a dark one
# (qt6ct's "darker" scheme), every caption reads at 4.5:1 on them under both, a press alone on the tray icon does nothing and its release restores, and
# the balloon of a start in the tray points at the icon.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# The title a window shows in its title bar.
window_title() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }

# The program's mapped window whose title starts with "Application Error".
error_box() {
    local w
    for w in $(xdotool search --all --pid "$APP_PID" --name '^Application Error' 2>/dev/null); do
        if window_mapped "$w"; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# colours_at X Y: the colours of the 3x3 pixels at that point of the main window's last screenshot.
colours_at() {
    convert "$WINDOW_SHOT" -crop "3x3+$1+$2" +repage -depth 8 txt:- | sed -n 's/.* \(#[0-9A-F]\{6\}\).*/\1/p' |
        sort -u | tr '\n' ' '
}

# colour_at COLOUR X Y: the 3x3 pixels at that point of the main window's last screenshot are all of COLOUR.
colour_at() {
    local pixels
    pixels=$(colours_at "$2" "$3")
    [ "$pixels" = "$1 " ] || fail "at $2,$3 of the window the colours are $pixels, not $1"
}

# contrast_in X Y W H: the contrast ratio (as WCAG reckons it) in that part of the window's last screenshot between
# its commonest colour, the background, and the colour that stands out most from it, the text's darkest or lightest.
contrast_in() {
    convert "$WINDOW_SHOT" -crop "${3}x${4}+${1}+${2}" +repage -depth 8 txt:- | awk '
        function lum(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        NR > 1 { sub(/^[^(]*\(/, ""); split($0, c, /[,)]/)
                 n[0.2126 * lum(c[1]) + 0.7152 * lum(c[2]) + 0.0722 * lum(c[3])]++ }
        END { for (l in n) if (n[l] > most) { most = n[l]; back = l + 0 }
              best = 1
              for (l in n) { r = (l + 0.05) / (back + 0.05); if (r < 1) r = 1 / r; if (r > best) best = r }
              printf "%.2f\n", best }'
}

# The window's captions and the part of the window each one's text takes (the option buttons' and check boxes'
# without their indicators): the frames' titles, then the controls in Frame1 (8,40) and Frame4 (8,320).
CAPTIONS=(
    "Play Option:8 41 120 15" "Which style noise would you like to play?:8 163 245 15" "Volume:8 259 60 15"
    "Startup Options:8 321 110 15" "Play white noise until 'Turn Off' is clicked:38 61 232 19" "Play from:38 87 58 19"
    "to:104 118 12 20" "Load this software on Windows startup:41 340 242 15" "Start in system tray:41 363 152 15"
)

# captions_legible THEME: every caption in the window's last screenshot reads at 4.5:1 or more.
captions_legible() {
    local caption ratio low=""
    for caption in "${CAPTIONS[@]}"; do
        # shellcheck disable=SC2086 # the caption's box is four numbers
        ratio=$(contrast_in ${caption##*:})
        log "$1 theme: \"${caption%:*}\" at $ratio:1"
        awk -v r="$ratio" 'BEGIN { exit !(r < 4.5) }' && low="$low \"${caption%:*}\""
    done
    [ -z "$low" ] || fail "under the $1 theme these captions read at less than 4.5:1:$low"
    pass "under the $1 theme every caption reads at 4.5:1 or more"
}

# window_shot: the main window as it stands, painted and without the pointer over it.
window_shot() {
    xdotool mousemove 0 0
    sleep 1
    import -window "$APP_WINDOW" "$WINDOW_SHOT"
}

# controls_coloured COLOUR: the option buttons and check boxes are of COLOUR like their frames: points in each right
# of its text, Option1 and Option2 in Frame1 (8,40), Check4 and Check8 in Frame4 (8,320), and the frames beside their
# titles.
controls_coloured() {
    local point
    for point in "270 62" "96 88" "262 341" "176 364" "300 46" "300 326"; do
        # shellcheck disable=SC2086 # a point is two numbers
        colour_at "$1" $point
    done
    pass "the option buttons and check boxes are $1 like their frames"
}

# The absolute left, top, width and height of a window.
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

start_x
start_wm
start_tray
# A stored style that is no number: start-up reports it in the "Application Error" box before the window shows.
write_settings Combo1=x
start_app
wait_until 20 error_box || fail "no \"Application Error\" box for a stored style that is no number"
box=$(error_box)
[ "$(window_title "$box")" = "Application Error" ] || fail "the error box is titled '$(window_title "$box")'"
pass "the error box's title bar reads exactly \"Application Error\""
shot error-box
close_window "$box"
wait_main_window
[ "$(window_title "$APP_WINDOW")" = "Somnivox Noise Player" ] ||
    fail "the main window is titled '$(window_title "$APP_WINDOW")'"
pass "the main window's title bar reads exactly \"Somnivox Noise Player\""

WINDOW_SHOT="$WORK/shots/window.png"
window_shot
controls_coloured "#FFFFFF"
captions_legible light

xdotool windowminimize "$APP_WINDOW"
wait_until 5 window_hidden "$APP_WINDOW" || fail "the minimised window stayed on the screen or in the taskbar"
icon=$(tray_icon) || fail "no tray icon"
xdotool mousemove --window "$icon" 8 8 mousedown 1
holds_for 1.5 window_hidden "$APP_WINDOW" || { xdotool mouseup 1; fail "a press alone on the tray icon restored the window"; }
pass "a press alone on the tray icon leaves the window in the tray"
xdotool mouseup 1
wait_until 5 window_shown_and_focused "$APP_WINDOW" || fail "the release over the tray icon did not restore the window"
pass "the release over the tray icon restores the window"

close_main_window
wait_app_ended 10

# A dark theme: the window takes its colours and the boxes its base colour, so nothing glares at night.
[ -f /usr/share/qt6ct/colors/darker.conf ] ||
    fail "qt6ct is not installed (scripts/install-deps.sh --tests installs it)"
mkdir -p "$WORK/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$WORK/config/qt6ct/qt6ct.conf"
write_settings
start_app QT_QPA_PLATFORMTHEME=qt6ct
wait_main_window
WINDOW_SHOT="$WORK/shots/window-dark.png"
window_shot
[ "$(colours_at 2 150)" = "#222020 " ] || fail "the dark theme did not take: the window is $(colours_at 2 150)"
controls_coloured "#3D3D3D"
captions_legible dark
close_main_window
wait_app_ended 10
stop_tray

# Started in the tray, the balloon waits for the icon's place in the tray and points at it. xfce4-panel's tray takes
# the icon in at its own corner, so the icon never moves there: a balloon shown before would stay at the screen's
# top-left. The panel has a bus (for its settings); the program is not on it, so it embeds its icon.
for tool in dbus-daemon xfce4-panel; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done
start_bus
start_panel
# The tray's manager window carries the tray's orientation.
panel_tray_running() {
    local w
    for w in $(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]\+\) .*/\1/p'); do
        xprop -id "$w" _NET_SYSTEM_TRAY_ORIENTATION 2>/dev/null | grep -q '=' && return 0
    done
    return 1
}
wait_until 30 panel_tray_running || fail "xfce4-panel's tray did not start"

# The program's window that a tray took in: mapped, and not a child of the root window as its top-level windows are.
embedded_icon() {
    local w
    for w in $(xdotool search --all --pid "$APP_PID" 2>/dev/null); do
        window_mapped "$w" || continue
        xwininfo -children -id "$w" | grep -q '^ *Parent window id: .*(the root window)' || {
            echo "$w"
            return 0
        }
    done
    return 1
}

write_settings Minimized=On
start_app
wait_until 20 balloon_shown || fail "no balloon after a start in the tray"
shot start-balloon
icon=$(embedded_icon) || fail "no tray icon in xfce4-panel"
read -r bx by bw bh < <(window_box "$(balloons | head -n 1)")
read -r ix iy iw ih < <(window_box "$icon")
cx=$((ix + iw / 2))
cy=$((iy + ih / 2))
log "balloon at $bx,$by ${bw}x$bh; icon centre at $cx,$cy"
# The balloon's arrow ends at the icon's centre, within a few pixels of the balloon's box.
if [ "$cx" -lt $((bx - 8)) ] || [ "$cx" -gt $((bx + bw + 8)) ] || [ "$cy" -lt $((by - 8)) ] ||
    [ "$cy" -gt $((by + bh + 8)) ]; then
    fail "the balloon at $bx,$by ${bw}x$bh does not point at the icon at $cx,$cy"
fi
pass "the balloon of a start in the tray points at the tray icon"
