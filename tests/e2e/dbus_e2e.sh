#!/bin/bash
# The companion spoken to from outside, on a session bus of its own: the
# command line with no companion running starts the program, which says the
# text once the companion is shown; then gdbus, gapplication and the command
# line reach that companion (the second command returns at once, no second
# window); a missing scenario is refused with its reason; while a scenario's
# message box is open requests wait their turn and are done once it is closed;
# with the program ended, a launcher's action starts it through the bus's
# service file and the riddles open once the companion is shown.
# Usage: dbus_e2e.sh BINARY (run inside dbus-run-session --config-file, see
# below: the script starts its own bus when not given one)
bin=$(readlink -f "$1")
if [ -z "${STAK_E2E_BUS:-}" ]; then
    services=$(mktemp -d)
    cat >"$services/session.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <include>/usr/share/dbus-1/session.conf</include>
  <servicedir>$services</servicedir>
</busconfig>
EOF
    STAK_E2E_BUS=$services dbus-run-session --config-file="$services/session.conf" -- bash "$0" "$@"
    status=$?
    rm -rf "$services"
    exit $status
fi
. "$(dirname "$0")/lib.sh"
start_display 1024x768
cp -r "$(dirname "$0")/../../content/." "$work/content/"
# No events of its own: the speech line keeps what it was asked to say.
sed -i 's/^BaseIntervalFrom=.*/BaseIntervalFrom=600\r/I; s/^BaseIntervalTo=.*/BaseIntervalTo=600\r/I' \
    "$work/content/config.cfg"
printf 'message Гости пришли\r\n' >"$work/content/gosti.scn"

id=ru.stakanych.stakanych
call() {
    timeout 10 gdbus call --session --dest $id --object-path /ru/stakanych/stakanych \
        --method "$@" 2>&1
}
traced() { grep -qxF "request: $1" "$work/app.log"; }
owned() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner $id | grep -q true; }

# No companion yet: the command line starts the program, which says the text
# (from a script written in Windows-1251) once its companion is shown, not
# before.
run_app -- --trace --say "$(printf '\xd2\xe0\xea\xf1\xe8 \xef\xf0\xe8\xe5\xf5\xe0\xeb\xee')"
within 10 owned || fail "the program did not take its name on the bus"
window "Мастерская" >/dev/null || fail "no start dialog"
traced "say Такси приехало" && fail "said before the companion was shown"
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"
within 10 traced "say Такси приехало" || fail "the text asked on the command line was not said"

# The running companion, over the bus and from the command line.
r=$(call $id.Companion.Say "Горько!"); [ "$r" = "('done',)" ] || fail "Say was not done: $r"
within 5 traced "say Горько!" || fail "Say did not reach the companion"
(cd "$work/content" && timeout 10 "$bin" --toast "За хозяйку!") || fail "--toast did not return 0"
within 5 traced "toast За хозяйку!" || fail "--toast did not reach the running companion"
toast=$(window "Тост, господа") || fail "no toast window"
[ "$(xdotool search --all --onlyvisible --name '^Стаканыч2003' | wc -l)" = 1 ] ||
    fail "a second companion started"
# A text from a script written in Windows-1251.
(cd "$work/content" && timeout 10 "$bin" --say "$(printf '\xcf\xf0\xe8\xe2\xe5\xf2')") || fail "--say in Windows-1251 failed"
within 5 traced "say Привет" || fail "a Windows-1251 text was not said as written"
gapplication action $id anecdote || fail "gapplication action failed"
within 5 traced "voice 0" || fail "the anecdote action did not play a voice phrase"
out=$(cd "$work/content" && timeout 10 "$bin" --run nosuch.scn 2>&1) && fail "--run of a missing file returned 0"
case "$out" in *"nosuch.scn"*) ;; *) fail "no reason told for the missing file: $out" ;; esac

# A scenario's message box is open: requests wait their turn.
[ "$(call $id.Companion.RunScenario gosti.scn)" = "('done',)" ] || fail "RunScenario was not done"
box=$(window " ") || fail "the scenario's message box did not open"
[ "$(call $id.Companion.Say 'Первый пошёл')" = "('queued',)" ] || fail "a request while the box is open was not queued"
traced "say Первый пошёл" && fail "a request was done while the message box was open"
xdotool windowfocus "$box" key Return
within 10 traced "say Первый пошёл" || fail "the waiting request was not done after the box"
[ "$(call $id.Companion.Show)" = "('done',)" ] || fail "the companion does not answer after the box"
kill -0 $app || fail "the program ended"

# Ended, then started by a launcher's action through the bus's service file.
xdotool windowclose "$toast"
kill -TERM $app
within 10 ended $app || fail "the program did not end"
within 10 sh -c "! gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner $id | grep -q true" || fail "the name stayed on the bus"
cat >"$work/activated.sh" <<EOF
#!/bin/sh
echo \$\$ >"$work/activated.pid"
cd "$work/content" && exec env -u WAYLAND_DISPLAY DISPLAY=$DISPLAY XDG_SESSION_TYPE=x11 TMPDIR="$work/tmp" \
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$bin" --trace >>"$work/app.log" 2>&1
EOF
chmod +x "$work/activated.sh"
printf '[D-BUS Service]\nName=%s\nExec=%s\n' $id "$work/activated.sh" >"$STAK_E2E_BUS/$id.service"
gapplication action $id riddle || fail "the action did not start the program"
app=$(cat "$work/activated.pid") || fail "the bus did not start the program"
through_readme
window "Заг-гадки" >/dev/null || fail "the riddles window did not open after the start"
within 5 traced riddle || fail "no trace of the riddle action"
echo "PASS"
