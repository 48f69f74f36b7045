#!/bin/sh
# Fuzzes content readers: scripts/fuzz.sh SECONDS TARGET...
# Builds build-fuzz/ with clang and the fuzzer's instrumentation, starts each
# target from the committed corpus (fuzz/corpus/TARGET) with the dictionary,
# and keeps what it finds in build-fuzz/corpus/TARGET and build-fuzz/crashes/.
# STAK_FUZZ_FLAGS adds libFuzzer flags (-detect_leaks=0 for the scenario
# target, whose windows fill Qt's font caches on inputs of their own).
set -e
cd "$(dirname "$0")/.."
# Absolute paths: the targets work in a folder of their own.
root=$(pwd)
seconds=$1
shift
cmake -S . -B build-fuzz -DSTAK_FUZZ=ON -DSTAK_TESTS=OFF -DSTAK_BENCH=OFF \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
for t in "$@"; do cmake --build build-fuzz --target "fuzz_$t" >/dev/null; done
for t in "$@"; do
    mkdir -p "build-fuzz/corpus/$t" build-fuzz/crashes
    cp -n fuzz/corpus/"$t"/* "build-fuzz/corpus/$t/"
    LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp" QT_QPA_PLATFORM=offscreen \
        nice -n 19 "build-fuzz/fuzz_$t" -dict="$root/fuzz/stakanych.dict" \
        -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$root/build-fuzz/crashes/$t-" ${STAK_FUZZ_FLAGS:-} \
        "$root/build-fuzz/corpus/$t" \
        >"build-fuzz/$t.log" 2>&1 &
done
wait
for t in "$@"; do
    echo "$t: $(grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)' "build-fuzz/$t.log" | tail -1)"
done
