#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a temporary prefix, the tree moved
# elsewhere, and the installed game played headless by a new player up to the first results;
# the desktop entry, the metainfo, the man page and the icons checked with the desktop's own
# tools; the data made a second time, byte for byte the same.
# Usage: installed_game.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
mv "$work/prefix" "$work/game"
game=$work/game
id=io.github.stridewell.Stridewell
for file in bin/stridewell bin/stridewell-data share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man6/stridewell.6 share/doc/stridewell/README.md share/doc/stridewell/LICENSE \
    share/stridewell/images/track.bmp share/stridewell/sounds/announcer \
    share/stridewell/horses/215.txt; do
    [ -e "$game/$file" ] || fail "$file is not installed"
done

# A new player: an empty home. One player named, $100 to win on #1, the race run to its results.
mkdir "$work/home"
{
    cat "$(dirname "$0")/../../tools/scripts/one_player.txt"
    cat <<'SCRIPT'
30 move 160 310
30 click
33 button 3000
33 type 100
34 key Enter
6500 quit
SCRIPT
} >"$work/play.txt"
played=0
(cd "$work" && env HOME="$work/home" XDG_DATA_HOME="$work/home" SDL_VIDEODRIVER=dummy \
    SDL_AUDIODRIVER=dummy timeout 300 "$game/bin/stridewell" --windowed --seed 7 --fixed-fps 30 \
    --script "$work/play.txt" >"$work/said.txt" 2>&1) || played=$?
data=$work/home/stridewell
[ "$played" = 0 ] || fail "the installed game exited with $played: $(tail -5 "$work/said.txt")"
grep -q "Loading results.bmp -- success" "$data/buglog.txt" 2>/dev/null ||
    fail "the first race did not reach its results"
grep -q "box" "$work/said.txt" && fail "a box was shown: $(grep box "$work/said.txt")"
[ "$(ls "$data/horses" | wc -l)" = 215 ] || fail "the player's stable does not hold 215 horses"
cmp -s "$data/horses/42.txt" "$game/share/stridewell/horses/42.txt" ||
    fail "horse 42 is not the installed starting horse"
[ -s "$data/settings.stn" ] || fail "no saved game after the quit"
[ -e "$data/images" ] || [ -e "$data/sounds" ] && fail "pictures or sounds were copied"

# The desktop's own checks.
desktop-file-validate "$game/share/applications/$id.desktop" || fail "the desktop entry"
HOME=$work appstreamcli validate --no-net "$game/share/metainfo/$id.metainfo.xml" >"$work/as.txt" ||
    fail "the metainfo: $(cat "$work/as.txt")"
warnings=$(groff -ww -man -z "$game/share/man/man6/stridewell.6" 2>&1)
[ -z "$warnings" ] || fail "the man page: $warnings"
for size in 48 64 128 256; do
    png=$game/share/icons/hicolor/${size}x$size/apps/$id.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$w $h" = "$size $size" ] || fail "the $size px icon is $w x $h"
done
grep -q "^Icon=$id$" "$game/share/applications/$id.desktop" || fail "the entry names another icon"

# Made again, the data is the same to the byte.
"$game/bin/stridewell-data" "$work/again" >/dev/null
"$game/bin/stridewell-data" --icons "$work/icons"
diff -r -x .stridewell-data "$game/share/stridewell" "$work/again" || fail "the data differs"
diff -r "$game/share/icons/hicolor" "$work/icons" || fail "the icons differ"

[ "$failures" = 0 ] && echo "The installed game played, validated and made its data alike."
exit "$((failures > 0))"
