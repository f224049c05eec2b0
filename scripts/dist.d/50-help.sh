#!/usr/bin/env bash
# The help pages: dist/Orvanta/html/<language>/*.html (the options window's
# Help button and its welcome page; English is the fallback).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
for d in "$root"/data/html/*/; do
  lang=$(basename "$d")
  mkdir -p "$1/html/$lang"
  for f in "$d"*.html; do install -m 0644 "$f" "$1/html/$lang/"; done
done
