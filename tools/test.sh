#!/usr/bin/env bash
# Builds and runs the whole test suite twice: optimised, then under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
(cd build/release && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure --timeout 600 -j "$jobs")

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTRIDEWELL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
(cd build/sanitize && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/../../tools/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure --timeout 600 -j "$jobs")
