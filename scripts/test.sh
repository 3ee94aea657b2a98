#!/usr/bin/env bash
# Installs the dependencies, checks the layout of the sources, builds Feastbook twice (release,
# and with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both builds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh
scripts/format.sh --check

scripts/build.sh release
ctest --preset release

scripts/build.sh asan
ctest --preset asan
