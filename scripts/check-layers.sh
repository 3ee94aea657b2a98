#!/usr/bin/env bash
# Checks the include directions of src/: every folder includes only its own headers and those of
# the layers below it (CONTRIBUTING.md shows them), the plain C++ parts include no Qt header,
# and every quoted include names its folder. Run by the tests as include_layers.
#   scripts/check-layers.sh            prints each fault and exits 1 when there is one
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# A folder of src/ and the folders below it that it may include; its own is always allowed.
declare -A below=(
  [data/jet]=""
  [data]="data/jet"
  [core]="data data/jet"
  [artwork]=""
  [platform]="core data data/jet artwork"
  [controls]="core data data/jet artwork"
  [richtext]=""
  [windows]="controls core data data/jet artwork richtext"
  [app]="windows controls platform core data data/jet artwork richtext tools tools/jet liturgy"
  [liturgy]="richtext"
  [tools/jet]=""
  [tools]="tools/jet liturgy richtext data data/jet"
)
# Parts that are plain C++ (the fuzzer, the generator and the build step link them without Qt).
plain=(src/data/jet src/liturgy src/tools/jet src/richtext/RtfWriter.h src/richtext/RtfWriter.cpp
       src/data/CalendarSchema.h src/tools/CalendarRows.h src/tools/CalendarRows.cpp
       src/tools/CalendarJetFile.h src/tools/CalendarJetFile.cpp src/tools/DatabaseWriter.h
       src/tools/DatabaseWriter.cpp src/tools/ProseFolder.h src/tools/ProseFolder.cpp
       src/tools/feastbook_gen.cpp src/tools/feastbook_prose.cpp)

# The files below the given paths that match a pattern: tracked and new ones in a git checkout,
# every file elsewhere (a source archive).
files() {
  local pattern=$1; shift
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard -- "$@"
  else
    find "$@" -type f 2>/dev/null
  fi | grep -E "$pattern" | sort -u
}

faults=0
fault() { echo "check-layers: $*"; faults=$((faults + 1)); }

while IFS= read -r file; do
  folder=$(dirname "${file#src/}")
  if [ -z "${below[$folder]+set}" ]; then
    fault "$file: the folder $folder has no place among the layers (add it to scripts/check-layers.sh)"
    continue
  fi
  while IFS=: read -r line header; do
    header=${header#*\"}
    header=${header%%\"*}
    included=$(dirname "$header")
    if [ "$included" = "." ]; then
      fault "$file:$line: \"$header\" names no folder; write \"folder/$header\""
    elif [ "$included" != "$folder" ] && [[ " ${below[$folder]} " != *" $included "* ]]; then
      fault "$file:$line: $folder includes \"$header\" from $included, which is not below it"
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(files '\.(h|cpp)$' src)

while IFS= read -r file; do
  while IFS=: read -r line text; do
    fault "$file:$line: plain C++ includes a Qt header: $text"
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file")
done < <(files '\.(h|cpp)$' "${plain[@]}")

# Tests, benchmarks and fuzz targets include from src/ or tests/support/, folder first.
while IFS= read -r file; do
  while IFS=: read -r line header; do
    header=${header#*\"}
    header=${header%%\"*}
    case $header in
      */* | *.moc) ;;
      *) fault "$file:$line: \"$header\" names no folder" ;;
    esac
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(files '\.(h|cpp)$' tests bench fuzz)

if [ $faults -gt 0 ]; then
  echo "check-layers: $faults fault(s)"
  exit 1
fi
echo "check-layers: every include goes to its own folder or a layer below it"
