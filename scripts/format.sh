#!/usr/bin/env bash
# Formats the C++ sources with the root .clang-format (clang-format 14, as Debian 12 has it).
#   scripts/format.sh            formats every source file in place
#   scripts/format.sh --check    changes nothing; lists the files it would change and fails
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
[ "${1:-}" = "--check" ] && check=true

tool=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$tool" ]; then
  echo "format: clang-format 14 is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
# Another version lays some code out differently and would report faults that are none.
if ! "$tool" --version | grep -q 'version 14\.'; then
  echo "format: $tool is not clang-format 14: $("$tool" --version)" >&2
  exit 1
fi

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if ! $check; then
  "$tool" -i "${files[@]}"
  exit 0
fi
unformatted=()
for file in "${files[@]}"; do
  "$tool" --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'format: not formatted (run scripts/format.sh): %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files formatted as .clang-format says"
