#!/bin/bash
# The options dialog under Xvfb and a window manager: opened from the picture's
# menu and saved without a change, it leaves config.cfg as it was, byte for
# byte (a change is saved in the installation test; the riddles window is
# opened and closed on both monitors in the two-monitor test).
# Usage: sidewindows_e2e.sh BINARY
bin=$(readlink -f "$1")
. "$(dirname "$0")/lib.sh"
start_display 1024x768

cd "$work/content"
convert -size 433x225 xc:orange BMP3:alk1.bmp
printf '; my own settings\r\n[Stakanych]\r\nBaseIntervalFrom=30\r\nBaseIntervalTo=40\r\ntextver=40\r\ntostver=30\r\nvoicever=20\r\n' >config.cfg
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

kill -0 $app || fail "the program ended"
echo "PASS"
