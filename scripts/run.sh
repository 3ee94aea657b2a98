#!/usr/bin/env bash
# Installs the dependencies, builds Feastbook and starts it in run/, the folder that holds
# its calendar, feastbook.mdb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh
scripts/build.sh build

mkdir -p run
cd run
if [ ! -f feastbook.mdb ]; then
  echo "run/feastbook.mdb is missing: put a calendar database there." >&2
  exit 1
fi
exec ../build/bin/feastbook
