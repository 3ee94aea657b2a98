#!/usr/bin/env bash
# Installs the dependencies, builds Feastbook and starts it in run/, the folder that holds
# its calendar, feastbook.mdb. When there is none yet, the calendar of the four years that begin
# with the current year is computed first, so that today is in it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh
scripts/build.sh release -- feastbook feastbook-gen

mkdir -p run
cd run
if [ ! -f feastbook.mdb ]; then
  ../build/bin/feastbook-gen --first-year "$(date +%Y)" --years 4 -o feastbook.mdb
fi
exec ../build/bin/feastbook
