#!/usr/bin/env bash
# Installs the Debian packages the game, its tests, its data generator and its Debian package
# need; quiet when all are there.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config
          libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev
          fonts-liberation fonts-comic-neue libgtest-dev libbenchmark-dev
          fonts-dejavu-core fonts-droid-fallback fonts-symbola  # letters the game's faces lack
          libcairo2-dev zlib1g-dev flite espeak-ng xvfb xauth
          desktop-file-utils appstream groff-base dpkg-dev file)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
