# Shared helpers of the end-to-end tests: a display of their own with a window
# manager, polling, and clicks into the program's windows by client-area
# coordinates. Source it with the program's binary as $bin.
set -u
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$work/app.log" ] && cat "$work/app.log"
    exit 1
}
# wait_until TRIES COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_until() {
    local tries=$1
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
# within SECONDS COMMAND...: runs COMMAND until it succeeds or SECONDS have
# passed, however long each try takes.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}
ended() { ! kill -0 "$1" 2>/dev/null; }
marker="$work/tmp/vipivaem.tut"
mkdir -p "$work/content" "$work/tmp"

# start_display WxH: Xvfb at a random number (a server still shutting down
# from an earlier run cannot take its socket away), never resetting when the
# last client leaves, and openbox on it, as on a desktop.
start_display() {
    for _ in $(seq 20); do
        n=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        for _ in $(seq 50); do
            kill -0 $xvfb 2>/dev/null || break
            xdpyinfo -display ":$n" >/dev/null 2>&1 && break
            sleep 0.1
        done
        kill -0 $xvfb 2>/dev/null && break
    done
    export DISPLAY=":$n"
    xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
    openbox >/dev/null 2>&1 &
    wm=$!
    wait_until 100 wmctrl -m >/dev/null 2>&1
    sleep 0.5
}

# run_app [ENV=VALUE...] -- [ARGS...]: starts the program in $work/content.
run_app() {
    local envs=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do envs+=("$1"); shift; done
    shift
    # An X11 session unless told otherwise, whatever desktop runs the tests.
    (cd "$work/content" && exec env -u WAYLAND_DISPLAY XDG_SESSION_TYPE=x11 TMPDIR="$work/tmp" \
        QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "${envs[@]}" "$bin" "$@") >>"$work/app.log" 2>&1 &
    app=$!
}

# window TITLE-PREFIX: the id of the program's visible window whose title
# starts with the prefix, waiting for it up to 10 s. An untitled window (a
# message box) shows a lone blank, the only title that starts with one.
window() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --all --onlyvisible --pid "$app" --name "" 2>/dev/null); do
            case "$(xdotool getwindowname "$id" 2>/dev/null)" in "$1"*) echo "$id"; return 0 ;; esac
        done
        sleep 0.1
    done
    return 1
}
# click WINDOW X Y: a left click at a point of the window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# menu_shown: one of the program's pop-up menus or drop-down lists (windows
# the window manager leaves alone) is on the screen.
menu_shown() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$app" --name "" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: yes" && return 0
    done
    return 1
}
no_menu() { ! menu_shown; }
# from_picture_menu KEYS...: opens the picture's menu and presses the keys in it.
from_picture_menu() {
    click "$1" 200 100
    wait_until 50 menu_shown || fail "the picture's menu did not open"
    shift
    xdotool key "$@"
}
gone() { ! xdotool search --all --onlyvisible --pid "$app" --name "^$1" >/dev/null 2>&1; }
# colour PICTURE X Y: the colour of a pixel of a picture file as "r,g,b".
colour() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# through_readme: from the start dialog, "Пропустить заставку..." and then
# "Ok" in the readme window.
through_readme() {
    local start readme
    start=$(window "Мастерская") || fail "no start dialog"
    click "$start" 296 92
    readme=$(window "Стаканыч 2003 by") || fail "no readme window"
    click "$readme" 216 308
}
# close_companion: closing the companion ends the program.
close_companion() {
    wmctrl -c "Стаканыч2003"
    wait_until 50 ended $app || fail "closing the companion did not end the program"
}
