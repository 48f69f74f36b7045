#!/bin/bash
# The frolic of the real program under Xvfb and a window manager, on a desktop
# of small random colour blocks: with `setquake 60` the frozen, blotched copy
# of the desktop shows for about a second, shifted by at most 3 pixels, and
# goes by itself; Escape ends a frolic of 100000 steps at once and the window
# manager and the program go on; on an X11 desktop that is all black the frolic
# runs like any other, and one on a scenario's first line shows the companion
# in its copy. (Without a desktop portal on Wayland: the Wayland test.)
# Usage: frolic_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 1024x768
cd "$work" || exit 1
convert -size 64x48 xc: +noise Random -scale 1600% desktop.png
display -window root desktop.png || true

# where_copy SHOT: "dx dy" of the desktop's picture in the screenshot, when a
# region of it is found within 3 pixels of its place.
convert desktop.png -crop 200x60+50+100 +repage region.png
where_copy() {
    convert "$1" -crop 206x66+47+97 +repage around.png
    compare -metric RMSE -subimage-search around.png region.png null: 2>&1 |
        awk -F'[(),@ ]+' '$2 < 0.1 { print $3 - 3, $4 - 3 }'
}
frolic_shown() { xdotool search --onlyvisible --name "^Rididi dev urididod" >/dev/null 2>&1; }
frolic_gone() { ! frolic_shown; }
now() { date +%s.%N; }

printf 'setquake 60\r\nbiggluk\r\nmessage one\r\nsetquake 100000\r\nbiggluk 0\r\nmessage two\r\nunload\r\n' \
    >"$work/content/frolic.scn"
# shots N: N screenshots while the frolic shows, each of them the desktop's
# copy within 3 pixels of its place; $moved is set when one was shifted.
shots() {
    local i offset
    moved=
    for i in $(seq "$1"); do
        import -window root "shot$i.png"
        frolic_shown || break
        offset=$(where_copy "shot$i.png")
        [ -n "$offset" ] || fail "screenshot $i does not show the desktop within 3 pixels"
        [ "$offset" != "0 0" ] && moved=yes
    done
}

run_app -- frolic.scn
through_readme
# How long the first frolic shows, timed beside the screenshots.
(
    wait_until 100 frolic_shown || exit
    shown=$(now)
    wait_until 100 frolic_gone || exit
    echo "$(now) - $shown" | bc >lasted
) &
timing=$!
wait_until 100 frolic_shown || fail "no frolic window"
shots 1
wait "$timing"
lasted=$(cat lasted 2>/dev/null) || fail "the frolic did not end by itself"
echo "the frolic of 60 steps lasted about $lasted s"
echo "$lasted >= 0.4 && $lasted <= 2.5" | bc | grep -q 1 || fail "60 steps lasted $lasted s"
# The desktop is back, and the scenario goes on.
box=$(window " ") || fail "the scenario did not go on after the frolic"
import -window root back.png
[ "$(where_copy back.png)" = "0 0" ] || fail "the desktop did not come back"
xdotool windowfocus "$box" key Return

# A frolic far too long for anyone's patience shakes until Escape ends it.
wait_until 100 frolic_shown || fail "no second frolic"
shots 4
[ -n "$moved" ] || fail "the copy did not shake"
frolic_shown || fail "the long frolic ended by itself"
xdotool key Escape
wait_until 10 frolic_gone || fail "Escape did not end the frolic"
wmctrl -l | grep -q "Стаканыч2003" || fail "the window manager lost the companion"
box=$(window " ") || fail "the scenario did not go on after Escape"
xdotool windowfocus "$box" key Return
wait_until 100 ended $app || fail "the program did not end after unload"

# A black X11 desktop is a desktop too: no word of refusal, and the copy of a
# frolic on the scenario's first line holds the companion as it was shown.
xsetroot -solid black
printf 'biggluk 0\r\nunload\r\n' >"$work/content/first.scn"
run_app -- first.scn
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"
read -r cx cy < <(xwininfo -id "$companion" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
wait_until 100 frolic_shown || fail "no frolic on a black desktop"
# The speech line's background in the copy, once the frolic has painted it.
companion_copied() {
    import -window root black.png
    got=$(convert black.png -format "%[fx:int(255*p{$((cx + 230)),$((cy + 300))}.r)]" info:)
    [ "$got" -gt 100 ]
}
within 4 companion_copied || fail "the companion is not in the frolic's copy (red $got)"
gone "Колбасня отменяется" || fail "the black desktop was taken for a refusal"
wait_until 150 ended $app || fail "the program did not end after the frolic"
echo "PASS"
