#!/bin/bash
# What a scenario drew stays on the screen while the scenario blocks: a picture
# painted right before a sleep, the window shown again by waitrun (at the place
# where it was) and the caricature window (centred as a whole, title bar
# included) all show their pixels, not black, during the sleeps that follow.
# Usage: painting_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 1024x768

convert -size 433x225 xc:'#ff0000' "BMP3:$work/content/red.bmp"
convert -size 500x420 xc:'#0000ff' "BMP3:$work/content/blue.bmp"
printf 'pic red.bmp\r\nsleep 4000\r\nwaitrun 300\r\nsleep 4000\r\ntoonpic blue.bmp\r\ntoon\r\nsleep 4000\r\nunload\r\n' \
    >"$work/content/paint.scn"

# colour_at X Y COLOUR: the screen pixel has that colour.
colour_at() { import -window root "$work/shot.png"; got=$(colour "$work/shot.png" "$1" "$2"); [ "$got" = "$3" ]; }
# client_at ID: the absolute position of a window's client area as "X Y".
client_at() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}'; }
visible() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }

run_app -- paint.scn
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"
read -r x y < <(client_at "$companion")
# The middle of the picture panel (16, 11, 433 x 225), while the scenario
# sleeps for 4 s.
within 3 colour_at $((x + 232)) $((y + 123)) "255,0,0" ||
    fail "the picture is not on the screen during the sleep: $got"
# Moved by the user: waitrun must bring it back here, not where the window
# manager would place a new window.
xdotool windowmove "$companion" 300 200
sleep 0.5
read -r x y < <(client_at "$companion")

wait_until 60 bash -c "! xwininfo -id $companion | grep -q IsViewable" || fail "waitrun did not hide the window"
wait_until 60 visible "$companion" || fail "waitrun did not show the window again"
back_in_place() { read -r x2 y2 < <(client_at "$companion"); [ "$x2 $y2" = "$x $y" ]; }
within 3 back_in_place || fail "the window came back at $x2 $y2, not at $x $y"
within 3 colour_at $((x + 232)) $((y + 123)) "255,0,0" ||
    fail "the window is not painted after waitrun: $got"

car=$(window " ") || fail "no caricature window"
# The frame is the client area grown by the window manager's extents.
centred() {
    read -r cx cy < <(client_at "$car")
    read -r l r t b < <(xprop -id "$car" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    [ -n "$b" ] || return 1
    dx=$(( (cx - l + (cx + 500 + r)) / 2 - 512 )) dy=$(( (cy - t + (cy + 420 + b)) / 2 - 384 ))
    [ ${dx#-} -le 1 ] && [ ${dy#-} -le 1 ]
}
within 3 centred || fail "the caricature window is off centre by $dx, $dy"
within 3 colour_at $((cx + 250)) $((cy + 30)) "0,0,255" ||
    fail "the caricature window is not painted during the sleep: $got"
wait_until 100 ended $app || fail "the program did not end"
echo "PASS"
