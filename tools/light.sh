#!/usr/bin/env bash
# How light the game runs, on the figures the README's performance section gives: start-up to
# the first frame and its peak memory (headless, median of five), and the share of a core the
# real game takes under Xvfb over 20 s on the race card of a one-player game and 20 s into its
# first race. Usage: tools/light.sh [BUILD_DIR] (build/release by default; it needs bin/ with
# stridewell and stridewell-data). Takes about two minutes; needs xvfb-run and GNU time.
set -euo pipefail
build=$(realpath "${1:-build/release}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/stridewell-data" "$work/data" >/dev/null
export SDL_AUDIODRIVER=dummy

echo "2 quit" >"$work/quit.txt"
for run in 1 2 3 4 5; do
    SDL_VIDEODRIVER=dummy /usr/bin/time -f "%e %U %S %M" -o "$work/time$run" \
        "$build/bin/stridewell" --windowed --seed 7 --fixed-fps 60 --data "$work/data" \
        --script "$work/quit.txt" >/dev/null 2>&1
done
sort -n "$work"/time* | sed -n 3p |
    awk '{printf "start-up: %.2f s wall, %.2f s CPU, peak %.0f MB\n", $1, $2 + $3, $4 / 1024}'

# A player named Alice waits on the card; the clock runs out after about 80 s.
cp "$(dirname "$0")/scripts/one_player.txt" "$work/card.txt"
xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/stridewell" --windowed --seed 7 \
    --data "$work/data" --script "$work/card.txt" >/dev/null 2>&1 &
runner=$!
game=""
for _ in $(seq 50); do
    game=$(pgrep -n -P "$runner" -x stridewell || true)
    [ -n "$game" ] && break
    sleep 0.1
done
[ -n "$game" ] || { echo "the game did not start under Xvfb" >&2; exit 1; }
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
share() { echo "scale=1; ($2 - $1) * 100 / $(getconf CLK_TCK) / 20" | bc; }
sleep 8
a=$(ticks); sleep 20; b=$(ticks)
echo "on the card: $(share "$a" "$b") % of a core"
sleep 60
a=$(ticks); sleep 20; b=$(ticks)
echo "in the race: $(share "$a" "$b") % of a core, $(awk '/VmRSS/ {printf "%.0f MB", $2 / 1024}' "/proc/$game/status") resident"
kill "$game"
wait "$runner" || true
