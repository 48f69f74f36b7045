#!/bin/bash
# The program on a native Wayland desktop: a headless Weston. The real binary
# starts on the Wayland plugin and shows its start dialog; the frolic, with the
# real platform, explains a missing screen portal instead of covering the
# screen, and shows the portal's picture when a stand-in portal answers.
# Usage: wayland_e2e.sh BINARY TST_WAYLAND
bin=$(readlink -f "$1")
tst=$(readlink -f "$2")
. "$(dirname "$0")/lib.sh"
unset DISPLAY
export XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=stak-wayland-$$ QT_QPA_PLATFORM=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 --debug >"$work/weston.log" 2>&1 &
wm=$!
wait_until 100 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
sleep 1

# screenshot NAME: the whole output as NAME.png.
screenshot() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter) >/dev/null 2>&1 || return 1
    mv "$work"/wayland-screenshot-*.png "$work/$1.png"
}
screenshot desktop || fail "no screenshot of the desktop"
run_app QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY" --
sleep 3
kill -0 $app 2>/dev/null || fail "the program did not start on Wayland"
screenshot started || fail "no screenshot of the program"
[ "$(compare -metric AE "$work/desktop.png" "$work/started.png" null: 2>&1)" -gt 10000 ] ||
    fail "the start dialog did not show"
kill $app

SDL_AUDIODRIVER=dummy dbus-run-session -- "$tst" || fail "the frolic on Wayland"
echo "PASS"
