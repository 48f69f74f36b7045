#!/bin/sh
# Builds the program and starts it in the default content folder.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build
cmake --build build -j"$(nproc)" --target stakanych
cd content && exec ../build/stakanych "$@"
