#!/bin/bash
# The real program under Xvfb and a window manager, through its start chain:
# a scenario named on the command line with --trace plays a sound, shows a
# message box and unloads (the box came up, the process ended by itself, the
# running marker is gone, the executed lines were traced; the sound reaching
# the audio output is deb_e2e's); a run ended by SIGTERM and an interactive
# run closed through the window manager also take the marker with them, the
# latter only once the other copies started meanwhile have ended.
# Usage: scenario_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 1024x768

mkdir -p "$work/content/wav"
sox -n -r 22050 -c 1 -b 16 "$work/content/wav/gong.wav" synth 0.6 sine 440 vol 0.5
printf '; end-to-end run\r\nwavs wav\\gong.wav\r\nmessage \xc2\xf1\xb8 \xef\xf0\xee\xf8\xeb\xee\r\nunload\r\nmessage never\r\n' \
    >"$work/content/end.scn"

run_app -- --trace end.scn
# The marker exists from the start dialog on.
wait_until 100 test -f "$marker" || fail "no running marker"
through_readme

# The message box: a window of the program with an empty title.
box=$(window " ") || box=
[ -n "$box" ] || fail "no message box"
kill -0 $app 2>/dev/null || fail "the program ended before the box was closed"

xdotool windowfocus "$box" key Return

wait_until 100 ended $app || fail "the program did not end after unload"
wait $app
[ -f "$marker" ] && fail "the running marker was left behind"
# --trace named every executed line on standard error, and nothing after unload.
grep -q '^end.scn:2: \[[0-9.]* с\] wavs wav\\gong.wav$' "$work/app.log" || fail "no trace of line 2"
grep -q '^end.scn:5:' "$work/app.log" && fail "a line after unload was traced"

# Ended from outside while a scenario blocks (after the audio is open): the
# program goes at once and takes its marker with it.
printf 'wavs wav\\gong.wav\r\nsleep 60000\r\n' >"$work/content/long.scn"
run_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio2.raw" -- long.scn
through_readme
wait_until 100 test -s "$work/audio2.raw" || fail "the second scenario did not start"
sleep 1
[ -f "$marker" ] || fail "no running marker in the second run"
kill -TERM $app
wait_until 50 ended $app || fail "the program ignored SIGTERM"
[ -f "$marker" ] && fail "SIGTERM left the running marker behind"

# Interactive, with the splash show: F5 ends it and leads to the readme
# window, whose Ok opens the companion; closing the companion the usual way
# ends the program and removes the marker.
run_app --
start=$(window "Мастерская") || fail "no start dialog"
click "$start" 108 92
wait_until 50 gone "Мастерская" || fail "the start dialog stayed"
# The splash covers the screen and has the keyboard.
splash_active() { xdotool getactivewindow getwindowgeometry 2>/dev/null | grep -q "Geometry: 1024x768"; }
wait_until 100 splash_active || fail "the splash show did not take the screen"
xdotool key F5
readme=$(window "Стаканыч 2003 by") || fail "F5 did not lead to the readme window"
click "$readme" 216 308
window "Стаканыч2003" >/dev/null || fail "the companion window did not appear"
[ -f "$marker" ] || fail "no running marker in interactive mode"
# More copies started meanwhile, one closed at its start dialog with the close
# box and one ended by SIGTERM, leave the marker to the copy still running.
first=$app
run_app --
second=$app
window "Мастерская" >/dev/null || fail "no start dialog in the second copy"
wmctrl -c "Мастерская"
wait_until 50 ended $second || fail "closing its start dialog did not end the second copy"
[ -f "$marker" ] || fail "the second copy took the running marker with it"
run_app --
window "Мастерская" >/dev/null || fail "no start dialog in the third copy"
kill -TERM $app
wait_until 50 ended $app || fail "the third copy ignored SIGTERM"
[ -f "$marker" ] || fail "SIGTERM to the third copy took the running marker with it"
app=$first
ended $app && fail "the first copy ended with the others"
close_companion
[ -f "$marker" ] && fail "closing the window left the running marker behind"
echo "PASS"
