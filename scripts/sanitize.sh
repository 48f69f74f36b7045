#!/bin/sh
# Builds the program and every test with clang's address and undefined-
# behaviour sanitizers (float-to-integer overflow included; the first report
# fails the test) in build-sanitize/ and runs the whole test suite there.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
launcher=
if command -v ccache >/dev/null 2>&1; then launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DSTAK_ASAN=ON -DSTAK_BENCH=OFF \
    -DSTAK_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher
cmake --build build-sanitize -j"$(nproc)"
# Full stacks for every allocation, so that the suppressions can name the
# Qt functions behind a leak.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize && ctest --output-on-failure -j"$(nproc)"
