#!/bin/bash
# Start-up benchmark: time from exec to the first window mapped, and resident
# memory two seconds later, for the program's start dialog against a bare Qt
# window with a label and a button and against an empty Qt window. The three
# start in turn, in a rotating order, on an X server of their own without a
# window manager; each round gives paired ratios.
#   bench/startup.sh [ROUNDS] [BUILD_DIR]      (15 rounds, build/ by default)
# Goals: the start dialog at most 1.15 times the label window's time, and at
# most 1.15 times the empty window's memory.
set -eu
rounds=${1:-15}
build=$(readlink -f "${2:-build}")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for n in $(seq 150 170); do [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb TMPDIR="$work" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
cp -r "$here/../content" "$work/content"
cd "$work/content"

run() { # run NAME -> "ms kb"
    case $1 in
    stakanych) "$build/bench_mapwait" "$build/stakanych" ;;
    label) "$build/bench_mapwait" "$build/bench_window" label ;;
    empty) "$build/bench_mapwait" "$build/bench_window" empty ;;
    esac
}
names=(stakanych label empty)
# One round first, not counted: the files come into the page cache.
for name in "${names[@]}"; do run "$name" >/dev/null; done
: >"$work/rounds"
for r in $(seq "$rounds"); do
    declare -A ms=() kb=()
    for k in 0 1 2; do
        name=${names[$(((r + k) % 3))]}
        read -r ms[$name] kb[$name] < <(run "$name")
    done
    echo "${ms[stakanych]} ${ms[label]} ${ms[empty]} ${kb[stakanych]} ${kb[label]} ${kb[empty]}" >>"$work/rounds"
done

echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
python3 - "$work/rounds" <<'PY'
import statistics, sys
rows = [list(map(float, l.split())) for l in open(sys.argv[1]) if l.strip()]
def show(title, values, unit):
    print(f"{title:40s} min {min(values):8.2f}  median {statistics.median(values):8.2f}  max {max(values):8.2f} {unit}")
show("start dialog, time to first window", [r[0] for r in rows], "ms")
show("label window, time to first window", [r[1] for r in rows], "ms")
show("empty window, time to first window", [r[2] for r in rows], "ms")
show("start dialog / label window, time", [r[0] / r[1] for r in rows], "")
show("start dialog / empty window, time", [r[0] / r[2] for r in rows], "")
show("start dialog, resident memory", [r[3] / 1024 for r in rows], "MB")
show("label window, resident memory", [r[4] / 1024 for r in rows], "MB")
show("empty window, resident memory", [r[5] / 1024 for r in rows], "MB")
show("start dialog / empty window, memory", [r[3] / r[5] for r in rows], "")
t = statistics.median(r[0] / r[1] for r in rows)
m = statistics.median(r[3] / r[5] for r in rows)
print(f"goals: time ratio {t:.2f} (at most 1.15) {'met' if t <= 1.15 else 'NOT met'}; "
      f"memory ratio {m:.2f} (at most 1.15) {'met' if m <= 1.15 else 'NOT met'}")
PY
