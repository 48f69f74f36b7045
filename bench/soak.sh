#!/bin/bash
# A night-long party, measured: the real program under Xvfb and a window
# manager with an event every second (text, toasts and voice phrases at
# random, the picture changing on nearly every event), while a guest keeps
# pressing its buttons: drinks (with their blotches, double vision and frolics),
# toasts, riddles, the user buttons' scenarios and a scenario of pranks; every
# message box is answered. Every SAMPLE seconds it writes the program's resident
# memory, open files, threads and the X server's resources it holds.
#   bench/soak.sh [MINUTES] [BUILD_DIR] [OUT.csv]     (5 minutes by default)
# After the warm-up (the first fifth, at least a minute) the figures should stay
# flat: under 1 MB of growth an hour, no growth in files, threads or X
# resources. bench/soak_verdict.py judges them: the script ends with PASS, or
# with FAIL and a non-zero status.
# SOAK_ENV adds to the program's environment, e.g. SOAK_ENV="MALLOC_ARENA_MAX=2";
# SOAK_PRELOAD is put in its LD_PRELOAD (a heap profiler's library). A build
# with sanitizers (STAK_ASAN) checks for leaks as the party ends: give the
# report a file, e.g.
#   SOAK_ENV="ASAN_OPTIONS=log_path=/tmp/lsan LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp"
set -u
minutes=${1:-5}
build=$(readlink -f "${2:-build}")
bin=$build/stakanych
out=${3:-soak.csv}
sample=${SAMPLE:-10}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/e2e/lib.sh"
start_display 1024x768

# The party's content: the default one, an event every second.
cp -r "$here/../content/." "$work/content/"
cd "$work/content" || exit 1
sed -i 's/^BaseIntervalFrom=.*/BaseIntervalFrom=1\r/I; s/^BaseIntervalTo=.*/BaseIntervalTo=1\r/I;
        s/^randompic=.*/randompic=80\r/I; s/^quake=.*/quake=60\r/I' config.cfg
printf 'Огурчик\r\nЗакуска\r\nАнекдот\r\n%%>!<%%Секрет\r\nШалость\r\n' >user.but
printf 'gluk 3000\r\ndbl\r\nbiggluk 5000\r\ntoonpic alk1.bmp\r\ntoonminipic pics\\ogurets.gif\r\ntoon\r\nsleep 700\r\ntoonminihide\r\ntoonclose\r\nmessage Шалость удалась\r\nrestorepic\r\n' >button5.but

read -ra extra_env <<<"${SOAK_ENV:-}"
run_app SDL_AUDIODRIVER=dummy ${SOAK_PRELOAD:+LD_PRELOAD=$SOAK_PRELOAD} ${extra_env[@]+"${extra_env[@]}"} --
through_readme
companion=$(window "Стаканыч2003") || fail "no companion window"

# The guest answers every message box and closes the side windows.
(
    while kill -0 "$app" 2>/dev/null; do
        for id in $(xdotool search --all --onlyvisible --pid "$app" --name "" 2>/dev/null); do
            case "$(xdotool getwindowname "$id" 2>/dev/null)" in
            " " | "Выпили" | "Rididi dev urididod" | "Ошибка" | "Колбасня отменяется")
                xdotool windowfocus "$id" key Return 2>/dev/null ;;
            esac
        done
        sleep 0.5
    done
) &
answering=$!

# ...and presses a button every few seconds.
(
    step=0
    while kill -0 "$app" 2>/dev/null; do
        case $((step % 9)) in
        0) click "$companion" 416 346 ;; # Выпьем
        1) click "$companion" 136 346 ;; # Толкай тост
        2) click "$companion" 224 346 ;; # Что?
        3) click "$companion" 48 346 ;;  # Речь
        4) click "$companion" 56 377 ;;  # Огурчик
        5) click "$companion" 408 377 ;; # Шалость
        6) click "$companion" 232 377 ;; # Анекдот
        7) click "$companion" 320 346    # Заг-гадки: an answer, the next one, out
           riddles=$(window "Заг-гадки") && {
               click "$riddles" 60 260; click "$riddles" 180 260; click "$riddles" 420 260; } ;;
        8) toast=$(window "Тост, господа!") && click "$toast" 270 356 ;;
        esac
        step=$((step + 1))
        sleep 4
    done
) &
pressing=$!

# Samples: seconds, resident kB (all, then its anonymous, file-backed and shared
# memory parts), open files, threads, X windows, X pixmaps, X pixmap bytes,
# X other bytes.
echo "seconds,rss_kb,rss_anon_kb,rss_file_kb,rss_shmem_kb,files,threads,x_windows,x_pixmaps,x_pixmap_bytes,x_other_bytes" >"$out"
started=$SECONDS
while [ $((SECONDS - started)) -lt $((minutes * 60)) ]; do
    kill -0 "$app" 2>/dev/null || fail "the program ended during the party"
    rss=$(awk '/^(VmRSS|RssAnon|RssFile|RssShmem):/{printf "%s%s", sep, $2; sep=","}' \
        "/proc/$app/status")
    files=$(ls "/proc/$app/fd" | wc -l)
    threads=$(ls "/proc/$app/task" | wc -l)
    xres=$(xrestop -b -m 1 2>/dev/null | awk -v pid="$app" '
        /^[0-9]+ - / { ours = $0 ~ ("PID: *" pid " ") || /stakanych|Стаканыч/ }
        ours && /windows/ { w += $3 } ours && /^\tpixmaps/ { p += $3 }
        ours && /pixmap bytes/ { pb += $4 } ours && /other bytes/ { sub("~", "", $4); ob += $4 }
        END { printf "%d,%d,%d,%d", w, p, pb, ob }')
    echo "$((SECONDS - started)),$rss,$files,$threads,$xres" >>"$out"
    sleep "$sample"
done
kill $pressing $answering 2>/dev/null
wmctrl -c "Стаканыч2003"
wait_until 50 ended "$app" || fail "closing the companion did not end the program"

python3 "$here/soak_verdict.py" "$out" "$minutes"
