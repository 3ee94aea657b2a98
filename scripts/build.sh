#!/usr/bin/env bash
# Configures and builds a preset of CMakePresets.json: release (in build/), asan (build-asan/)
# or fuzz (build-fuzz/, the fuzz targets), or the same preset in another folder DIR.
#   scripts/build.sh PRESET [DIR] [-- targets...]
set -euo pipefail
if [ $# -lt 1 ] || [[ $1 == -* ]]; then
  echo "usage: scripts/build.sh release|asan|fuzz [DIR] [-- targets...]" >&2
  exit 2
fi
preset=$1; shift
dir=""
if [ $# -gt 0 ] && [ "$1" != "--" ]; then dir=$1; shift; fi
[ $# -gt 0 ] && shift # the "--"
cd "$(dirname "$0")/.."

if [ -n "$dir" ]; then
  cmake --preset "$preset" -B "$dir" >/dev/null
  build=("$dir")
else
  cmake --preset "$preset" >/dev/null
  build=(--preset "$preset")
fi
if [ $# -gt 0 ]; then
  cmake --build "${build[@]}" -j"$(nproc)" --target "$@"
elif [ -n "$dir" ] && [ "$preset" = fuzz ]; then
  cmake --build "${build[@]}" -j"$(nproc)" --target fuzz_rtfreader fuzz_jetreader
else
  cmake --build "${build[@]}" -j"$(nproc)"
fi
