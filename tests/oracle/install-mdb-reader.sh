#!/usr/bin/env bash
# Installs the npm package mdb-reader into DIR/node_modules for the oracle test, once. Never
# fails the test run: without node, npm or network the oracle test says what it skipped.
set -u
dir=$1
version=3.2.0
if [ -f "$dir/node_modules/mdb-reader/package.json" ] \
   && grep -q "\"version\": \"$version\"" "$dir/node_modules/mdb-reader/package.json"; then
  echo "mdb-reader $version is installed in $dir"
  exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
  echo "npm is not installed: the oracle test will run without mdb-reader"
  exit 0
fi
mkdir -p "$dir"
if npm install --prefix "$dir" --no-audit --no-fund --loglevel=error "mdb-reader@$version"; then
  echo "mdb-reader $version installed in $dir"
else
  echo "mdb-reader could not be installed: the oracle test will run without it"
fi
exit 0
