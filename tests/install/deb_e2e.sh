#!/bin/bash
# The Debian package: built with cpack, it names its library dependencies, its
# section and maintainer and holds the program, the content and the desktop
# files (the session bus's service file naming /usr/bin/stakanych); unpacked
# into a root of its own, the program starts from an empty folder and finds its
# content there, plays sound, and runs silent, saying why, without its sound
# module.
# Usage: deb_e2e.sh BUILD_DIR
build=$(readlink -f "$1")
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/lib_install.sh"
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/stakanych_*.deb) || fail "no package"

field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 libsdl2-2.0-0 libc6; do
    case "$depends" in *"$lib "*|*"$lib,"*|*"$lib") ;; *) fail "Depends lacks $lib: $depends" ;; esac
done
[ "$(field Section)" = games ] || fail "section: $(field Section)"
case "$(field Maintainer)" in *"<"*"@"*">") ;; *) fail "maintainer: $(field Maintainer)" ;; esac
[ "$(field Description | wc -l)" -gt 3 ] || fail "no long description"
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for f in ./usr/bin/stakanych ./usr/bin/stakanych-check ./usr/share/stakanych/text.tlk \
    ./usr/share/applications/ru.stakanych.stakanych.desktop \
    ./usr/share/metainfo/ru.stakanych.stakanych.metainfo.xml \
    ./usr/share/dbus-1/services/ru.stakanych.stakanych.service \
    ./usr/share/icons/hicolor/48x48/apps/stakanych.png ./usr/share/man/man1/stakanych.1.gz; do
    grep -qxF "$f" "$work/contents" || fail "the package lacks $f"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
bin="$root/usr/bin/stakanych"
grep -qx "Exec=/usr/bin/stakanych" "$root/usr/share/dbus-1/services/ru.stakanych.stakanych.service" ||
    fail "the bus's service file does not name /usr/bin/stakanych"
file "$bin" | grep -q "stripped" && ! file "$bin" | grep -q "not stripped" || fail "the program is not stripped"
use_home
answers_options "$root/usr/share/stakanych"

start_display 1024x768
run_app --
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"
shows_picture "$companion" "$root/usr/share/stakanych/alk1.bmp"
[ -d "$user" ] || fail "no user folder $user"
close_companion

# Sound from the package: a scenario's sound reaches the audio output; without
# its sound module the program still runs, silent, and says why.
mkdir -p "$work/content/wav"
sox -n -r 22050 -c 1 -b 16 "$work/content/wav/gong.wav" synth 0.4 sine 440 vol 0.5
printf 'wavs wav\\gong.wav\r\nunload\r\n' >"$work/content/gong.scn"
run_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" -- gong.scn
through_readme
within 20 ended $app || fail "the sound scenario did not end"
od -An -v -tx1 "$work/audio.raw" 2>/dev/null | grep -qv '^\( 00\)*$' || fail "the package played no sound"
module=$(find "$root" -name stakanych-audio.so) && [ -n "$module" ] || fail "the package lacks its sound module"
mv "$module" "$work/module.so"
run_app -- gong.scn
through_readme
within 20 ended $app || fail "without the sound module the scenario did not end"
grep -q "^stakanych: no sound, " "$work/app.log" || fail "no word on why there is no sound"
echo "PASS"
