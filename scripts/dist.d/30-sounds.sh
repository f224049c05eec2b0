#!/usr/bin/env bash
# The default sounds and the sound configuration that switches them on:
# dist/Orvanta/sound/{type,stone,wood,blade}.wav and sound.cfg.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=${1:?usage: 30-sounds.sh MODULE_FOLDER}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bash "$root/data/sound/make-sounds" "$tmp"
mkdir -p "$dist/sound"
for f in type stone wood blade; do install -m 0644 "$tmp/$f.wav" "$dist/sound/$f.wav"; done
install -m 0644 "$root/data/sound/sound.cfg" "$dist/sound/sound.cfg"
