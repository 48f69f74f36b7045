#!/bin/bash
# The companion on a desktop of two monitors and on a scaled screen. One X
# screen of 3840 x 1080 split into two monitors of 1920 x 1080, each with a
# desktop of its own colour: started with the pointer on the right monitor,
# the start dialog and the companion open there; wherever the companion stands,
# its toast, its riddles, a scenario's message box and a scenario's frolic open
# on its monitor, and the frolic covers and copies exactly that monitor. Then,
# with QT_SCALE_FACTOR=2 on a 2560 x 1600 screen, the frolic's copy lines up
# with the desktop it froze.
# Usage: screens_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 3840x1080
xrandr --setmonitor L 1920/508x1080/286+0+0 screen >/dev/null &&
    xrandr --setmonitor R 1920/508x1080/286+1920+0 none >/dev/null || fail "no monitors"
cd "$work" || exit 1
convert -size 1920x1080 xc:'#c03030' left.png
convert -size 1920x1080 xc:'#3030c0' right.png
convert left.png right.png +append desktop.png
display -window root desktop.png || true

printf 'Колбасня\r\nВесть\r\n' >content/user.but
printf 'setquake 100000\r\nbiggluk 0\r\n' >content/button1.but
printf 'message На этом мониторе\r\n' >content/button2.but
printf '1\r\n>Вопрос?\r\nОтвет.\r\n' >content/zag.tlk
printf '1\r\n>За мониторы!\r\n' >content/tost.tlk

# on_monitor ID SIDE: the window's client area lies on the left (L) or right
# (R) monitor.
on_monitor() {
    local x
    x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print $NF}')
    if [ "$2" = L ]; then [ "$x" -ge 0 ] && [ "$x" -lt 1920 ]; else [ "$x" -ge 1920 ]; fi
}
frolic() { xdotool search --onlyvisible --name "^Rididi dev urididod" 2>/dev/null | head -1; }
no_frolic() { [ -z "$(frolic)" ]; }
frolic_shown() { [ -n "$(frolic)" ]; }

xdotool mousemove 2500 500
run_app --
start=$(window "Мастерская") || fail "no start dialog"
on_monitor "$start" R || fail "the start dialog did not open under the pointer"
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"
on_monitor "$companion" R || fail "the companion did not open under the pointer"

for side in R L; do
    [ $side = L ] && xdotool windowmove "$companion" 300 200
    wait_until 50 on_monitor "$companion" $side || fail "the companion did not move"
    click "$companion" 136 346 # Толкай тост
    toast=$(window "Тост, господа!") || fail "no toast window"
    on_monitor "$toast" $side || fail "the toast opened on the other monitor ($side)"
    click "$toast" 270 356 # Ы-ык...
    wait_until 50 gone "Тост, господа!" || fail "the toast stayed"
    click "$companion" 320 346 # Заг-гадки
    riddles=$(window "Заг-гадки") || fail "no riddles window"
    on_monitor "$riddles" $side || fail "the riddles opened on the other monitor ($side)"
    click "$riddles" 420 260 # Выход
    wait_until 50 gone "Заг-гадки" || fail "the riddles window stayed"
    click "$companion" 148 377 # Весть
    box=$(window " ") || fail "no message box"
    on_monitor "$box" $side || fail "the message box opened on the other monitor ($side)"
    xdotool windowfocus "$box" key Return
    wait_until 50 gone " " || true

    click "$companion" 60 377 # Колбасня
    within 10 frolic_shown || fail "no frolic"
    read -r x y w h < <(xwininfo -id "$(frolic)" |
        awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width/{w=$NF} /Height/{h=$NF} END{print x, y, w, h}')
    mine=1920 theirs=0 colour='48,48,192' other='192,48,48'
    [ $side = L ] && mine=0 theirs=1920 colour='192,48,48' other='48,48,192'
    [ "$w $h $x $y" = "1920 1080 $mine 0" ] || fail "the frolic covers $w x $h at $x, $y, not the $side monitor"
    import -window root "frolic$side.png"
    got=$(colour "frolic$side.png" $((mine + 1700)) 900)
    [ "$got" = "$colour" ] || fail "the frolic on $side copies $got, not its monitor's desktop"
    got=$(colour "frolic$side.png" $((theirs + 1700)) 900)
    [ "$got" = "$other" ] || fail "the frolic on $side covers the other monitor ($got)"
    xdotool key Escape
    wait_until 50 no_frolic || fail "Escape did not end the frolic"
done
# The right monitor goes away under the companion: it comes over to the left
# one, and its next prank plays there.
xdotool windowmove "$companion" 2500 200
wait_until 50 on_monitor "$companion" R || fail "the companion did not move right"
xrandr --delmonitor R >/dev/null
wait_until 50 on_monitor "$companion" L || fail "the companion stayed on the monitor that went"
click "$companion" 60 377 # Колбасня
within 10 frolic_shown || fail "no frolic after the monitor went"
read -r x w < <(xwininfo -id "$(frolic)" | awk '/Absolute upper-left X/{x=$NF} /Width/{w=$NF} END{print x, w}')
[ "$x $w" = "0 1920" ] || fail "the frolic after the monitor went covers $w at $x"
xdotool key Escape
wait_until 50 no_frolic || fail "Escape did not end the frolic"
wmctrl -c "Стаканыч2003"
within 10 ended $app || fail "closing the companion did not end the program"

# A screen scaled by 2: the copy is the desktop in device pixels, shifted by
# the shake's few logical pixels at most.
kill $wm $xvfb 2>/dev/null
wait $wm $xvfb 2>/dev/null
start_display 2560x1600
convert -size 80x50 xc: +noise Random -scale 3200% noise.png
display -window root noise.png || true
convert noise.png -crop 400x120+100+200 +repage region.png
printf 'biggluk 0\r\nunload\r\n' >content/scaled.scn
run_app QT_SCALE_FACTOR=2 -- scaled.scn
# Every window twice its size: the clicks of through_readme, doubled.
start=$(window "Мастерская") || fail "no start dialog at scale 2"
click "$start" 592 184
readme=$(window "Стаканыч 2003 by") || fail "no readme window at scale 2"
click "$readme" 432 616
within 30 frolic_shown || fail "no frolic at scale 2"
import -window root scaled.png
convert scaled.png -crop 416x136+92+192 +repage around.png
offset=$(compare -metric RMSE -subimage-search around.png region.png null: 2>&1 |
    awk -F'[(),@ ]+' '$2 < 0.1 { print $3 - 8, $4 - 8 }')
[ -n "$offset" ] || fail "the copy at scale 2 does not line up with the desktop"
read -r dx dy <<<"$offset"
[ ${dx#-} -le 6 ] && [ ${dy#-} -le 6 ] || fail "the copy at scale 2 is off by $dx, $dy"
echo "PASS"
