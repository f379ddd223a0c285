#!/usr/bin/env bash
# Builds the game (installing what is missing) and starts it; extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target stridewell
exec build/release/stridewell "$@"
