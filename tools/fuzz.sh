#!/usr/bin/env bash
# Fuzzes every reader of outside data for SECONDS each (60 unless given), one target per core;
# fails when any target finds a crash, leaving the input in build/fuzz/runs/<reader>/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: tools/fuzz.sh [SECONDS]" >&2
    exit 2
fi
tools/setup.sh --fuzz

readers=(bmp wave horse settings script)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DSTRIDEWELL_FUZZ=ON >/dev/null
cmake --build build/fuzz --target stridewell_fuzz -j "$(nproc)"

runs=build/fuzz/runs
fuzz_one() {
    local reader=$1 dir=$runs/$1
    rm -rf "$dir/crashes"
    mkdir -p "$dir/corpus" "$dir/crashes"
    # New inputs go to the run's own corpus: the repository's seeds and regressions are only read.
    local seeds=("fuzz/corpus/$reader")
    [ -d "fuzz/regressions/$reader" ] && seeds+=("fuzz/regressions/$reader")
    # settings.stn grows by one byte per 0x0A in the block, up to twice its 3916 bytes.
    local max_len=4096
    [ "$reader" = settings ] && max_len=8192
    "build/fuzz/bin/${reader}_fuzz" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -dict="fuzz/$reader.dict" -artifact_prefix="$dir/crashes/" \
        "$dir/corpus" "${seeds[@]}" >"$dir/log" 2>&1
}

echo "Fuzzing ${readers[*]} for $seconds s each"
for reader in "${readers[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
        wait -n || true
    done
    fuzz_one "$reader" &
done
wait || true

failed=0
for reader in "${readers[@]}"; do
    dir=$runs/$reader
    runs_done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n 1)
    crashes=$(find "$dir/crashes" -type f | wc -l)
    echo "$reader: ${runs_done:-0} executions, $crashes crashes"
    if [ "$crashes" -ne 0 ] || [ -z "$runs_done" ]; then
        failed=1
        grep -E -m 20 -A 12 "ERROR|broken rule|deadly signal" "$dir/log" >&2 || tail -n 30 "$dir/log" >&2
        find "$dir/crashes" -type f -exec echo "  crashing input: {}" \; >&2
    fi
done
if [ "$failed" -ne 0 ]; then
    echo "Mend the reader at its root, then keep each crashing input in fuzz/regressions/<reader>/." >&2
    exit 1
fi
