#!/usr/bin/env bash
# Formats every C++ file under src/, tests/, tools/, bench/ and fuzz/ with the repository's
# .clang-format, in place. With --check it changes nothing: it lists the files whose formatting
# differs and exits with 1 if there are any. Uses the clang-format that scripts/setup.sh installs,
# since other versions lay out the same style differently.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
check=false
case "${1:-}" in
"") ;;
--check) check=true ;;
*)
  echo "usage: $0 [--check]" >&2
  exit 2
  ;;
esac
if ! command -v "$formatter" >/dev/null; then
  echo "$formatter not found; scripts/setup.sh installs it" >&2
  exit 2
fi

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- src tests tools bench fuzz |
  grep -E '\.(cpp|h)$')
if ! $check; then
  "$formatter" -i --style=file "${files[@]}"
  exit 0
fi
# One error per differing file is enough to name it.
mapfile -t differing < <("$formatter" --dry-run --Werror --ferror-limit=1 --style=file "${files[@]}" 2>&1 |
  grep -E '^[^ :]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u)
if [ ${#differing[@]} -gt 0 ]; then
  printf '%s\n' "${differing[@]}"
  echo "${#differing[@]} file(s) differ from .clang-format; scripts/format.sh formats them" >&2
  exit 1
fi
