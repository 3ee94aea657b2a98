#!/usr/bin/env bash
# Installs what Feastbook needs to build, test and run on Debian or Ubuntu.
set -euo pipefail

# mdbtools and nodejs (npm fetches mdb-reader) are the independent Access readers the tests
# compare ours with.
# clang-format-14 checks the layout of the sources (scripts/format.sh --check).
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libsqlite3-dev
          libgl-dev fonts-dejavu-core fonts-liberation poppler-utils
          hunspell hunspell-en-us mdbtools desktop-file-utils appstream groff-base man-db
          clang-format-14)
# The tests check Access files with mdb-reader, which npm installs into the build tree; a
# Node.js that came with its own npm is kept.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Some nodejs builds bring npm along; Debian packs it apart.
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
