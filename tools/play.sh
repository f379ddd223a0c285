#!/usr/bin/env bash
# Builds the game (installing what is missing), makes its pictures, sounds and horses in the
# data folder when they are missing or out of date, and starts it; extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target stridewell stridewell-data

# The game's data folder: --data DIR when given, else the XDG one the game itself uses.
data="${XDG_DATA_HOME:-$HOME/.local/share}/stridewell"
make_data=1
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
    case "${args[i]}" in
    --data) data="${args[i + 1]:-}" ;;
    --data=*) data="${args[i]#--data=}" ;;
    --help | --version) make_data=0 ;;
    esac
done
if [ "$make_data" = 1 ] && [ -n "$data" ]; then
    # Pictures and sounds are remade only when the generator changed; horses and the saved
    # game are never overwritten.
    build/release/bin/stridewell-data "$data"
fi
exec build/release/bin/stridewell "$@"
