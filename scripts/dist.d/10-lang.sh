#!/usr/bin/env bash
# The language files: dist/Orvanta/lang/{en,ru}.lng (the program also carries
# them and writes them when they are missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1/lang"
for f in "$root"/data/lang/*.lng; do install -m 0644 "$f" "$1/lang/"; done
