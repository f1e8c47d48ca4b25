#!/usr/bin/env bash
# Fails, naming the files, when clang-format (the project's .clang-format) would
# change any tracked source file. `make format` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done
if ((${#unformatted[@]})); then
  echo "clang-format would change: ${unformatted[*]}"
  echo "run 'make format' and commit the result"
  exit 1
fi
echo "${#files[@]} files formatted as .clang-format asks"
