#!/bin/sh
# Builds everything with warnings as errors and runs every test.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DSTAK_WERROR=ON
cmake --build build -j"$(nproc)"
cd build && ctest --output-on-failure -j"$(nproc)"
