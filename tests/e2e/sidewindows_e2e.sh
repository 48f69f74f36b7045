#!/bin/bash
# The companion's side windows under Xvfb and a window manager: the options
# dialog from the picture's menu saved without a change leaves config.cfg as it
# was (a change is saved in the installation test); the riddles window
# answers, moves on and closes.
# Usage: sidewindows_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 1024x768

cd "$work/content"
convert -size 433x225 xc:orange BMP3:alk1.bmp
printf '; my own settings\r\n[Stakanych]\r\nBaseIntervalFrom=30\r\nBaseIntervalTo=40\r\ntextver=40\r\ntostver=30\r\nvoicever=20\r\n' >config.cfg
printf '2\r\n>\xca\xf2\xee \xf2\xe0\xec?\r\n\xdf\r\n>\xc0 \xf2\xe0\xec?\r\n\xd2\xfb\r\n' >zag.tlk
cp config.cfg "$work/config.before"
cd - >/dev/null

run_app --
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"

# The picture's menu, its last item "Настройки...".
from_picture_menu "$companion" Up Return
options=$(window "Options") || fail "the options dialog did not open"
click "$options" 220 396
wait_until 50 gone "Options" || fail "Сохранить did not close the dialog"
cmp -s "$work/config.before" "$work/content/config.cfg" || fail "a save without changes changed config.cfg"

click "$companion" 320 346 # Заг-гадки
riddles=$(window "Заг-гадки") || fail "the riddles window did not open"
click "$riddles" 60 260   # Ответ
click "$riddles" 180 260  # Следующая
xdotool sleep 0.3 search --all --onlyvisible --pid "$app" --name "^Заг-гадки" >/dev/null || fail "the riddles window closed too early"
click "$riddles" 420 260  # Выход
wait_until 50 gone "Заг-гадки" || fail "Выход did not close the riddles window"
kill -0 $app || fail "the program ended"
echo "PASS"
