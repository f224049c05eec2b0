#!/usr/bin/env bash
# The transliteration tables: dist/Orvanta/Translit/<language>/{to_eng,from_eng}.txt
# (windows-1251, copied byte for byte).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
for d in "$root"/data/Translit/*/; do
  lang=$(basename "$d")
  mkdir -p "$1/Translit/$lang"
  for f in "$d"*.txt; do install -m 0644 "$f" "$1/Translit/$lang/"; done
done
