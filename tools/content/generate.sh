#!/bin/sh
# Makes the default content folder again from the sources beside this script:
# the texts (UTF-8 sources under src/ -> Windows-1251 with CR LF), the voice
# phrases (Festival's Russian voice + sox), the signals and the title tune (Python + lame) and
# the pictures (a small Qt program). The results are committed, so the program
# never needs this script; scripts/setup.sh installs everything it uses.
set -e
here=$(cd "$(dirname "$0")" && pwd)
content=$here/../../content
python3 "$here/build_texts.py" "$here/src" "$content"
python3 "$here/voices.py" "$here/voices.txt" "$content"
python3 "$here/signals.py" "$content"
cmake -S "$here/pictures" -B "$here/../../build-pictures" >/dev/null
cmake --build "$here/../../build-pictures" >/dev/null
"$here/../../build-pictures/drawpics" "$content"
"$here/../../build-pictures/drawpics" --icons "$here/../../data/icons/hicolor"
