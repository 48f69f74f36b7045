#!/bin/bash
# Runs the real program under Xvfb and a window manager: a scenario plays a
# sound and waits for it, shows a message box and unloads (the box came up,
# the sound reached the audio output, the process ended by itself, the running
# marker is gone); a run ended by SIGTERM and an interactive run closed through
# the window manager also take the marker with them.
# Usage: scenario_e2e.sh BINARY
set -u
bin=$(readlink -f "$1")
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; [ -f "$work/app.log" ] && cat "$work/app.log"; exit 1; }
# wait_until TRIES COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_until() {
    local tries=$1
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
marker="$work/tmp/vipivaem.tut"

# A display of our own, at a random number so that a server still shutting
# down from an earlier run cannot take its socket away; no reset when the last
# client leaves, or the next one may find the server gone for a moment.
for _ in $(seq 20); do
    n=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
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
# As on a desktop, a window manager is up before the program starts.
openbox >/dev/null 2>&1 &
wm=$!
wait_until 100 wmctrl -m >/dev/null 2>&1
sleep 0.5

# A content folder with the scenario, its sound and nothing else.
mkdir -p "$work/content/wav" "$work/tmp"
sox -n -r 22050 -c 1 -b 16 "$work/content/wav/gong.wav" synth 0.6 sine 440 vol 0.5
printf '; end-to-end run\r\nwavs wav\\gong.wav\r\nmessage \xc2\xf1\xb8 \xef\xf0\xee\xf8\xeb\xee\r\nunload\r\nmessage never\r\n' \
    >"$work/content/end.scn"

cd "$work/content"
TMPDIR="$work/tmp" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
    QT_QPA_PLATFORM=xcb "$bin" end.scn >"$work/app.log" 2>&1 &
app=$!

# The marker exists while the program runs.
wait_until 100 test -f "$marker" || fail "no running marker"

# The message box: a second visible window of the program.
box=
for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --class stakanych 2>/dev/null); do
        case "$(xdotool getwindowname "$id")" in
        Стаканыч2003*) ;;
        *) box=$id ;;
        esac
    done
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message box"
kill -0 $app 2>/dev/null || fail "the program ended before the box was closed"
[ -f "$marker" ] || fail "marker gone while the box is open"

# The sound was played before the box: the output holds more than silence.
[ -s "$work/audio.raw" ] || fail "no audio output"
if ! od -An -v -tx1 "$work/audio.raw" | grep -qv '^\( 00\)*$'; then
    fail "the audio output is silent"
fi

if [ -n "${STAK_E2E_SHOT:-}" ]; then import -window root "$STAK_E2E_SHOT"; fi
xdotool windowfocus "$box" key Return

wait_until 100 ended $app || fail "the program did not end after unload"
wait $app
[ -f "$marker" ] && fail "the running marker was left behind"

# Ended from outside while a scenario blocks (after the audio is open): the
# program goes at once and takes its marker with it.
printf 'wavs wav\\gong.wav\r\nsleep 60000\r\n' >"$work/content/long.scn"
TMPDIR="$work/tmp" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio2.raw" \
    QT_QPA_PLATFORM=xcb "$bin" long.scn >>"$work/app.log" 2>&1 &
app=$!
wait_until 100 test -s "$work/audio2.raw"
sleep 1
[ -f "$marker" ] || fail "no running marker in the second run"
kill -TERM $app
wait_until 50 ended $app || fail "the program ignored SIGTERM"
[ -f "$marker" ] && fail "SIGTERM left the running marker behind"

# Interactive: closing the window the usual way ends the program and removes
# the marker.
TMPDIR="$work/tmp" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$bin" >>"$work/app.log" 2>&1 &
app=$!
companion_shown() { wmctrl -l 2>/dev/null | grep -q "Стаканыч2003"; }
wait_until 100 companion_shown || fail "the companion window did not appear"
[ -f "$marker" ] || fail "no running marker in interactive mode"
wmctrl -c "Стаканыч2003"
wait_until 50 ended $app || fail "closing the window did not end the program"
[ -f "$marker" ] && fail "closing the window left the running marker behind"
echo "PASS"
