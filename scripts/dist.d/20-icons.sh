#!/usr/bin/env bash
# The tray icons of the shipped languages: dist/Orvanta/icons/<code>.ico.
# The program writes icons/readme.txt (the file names it looks for) itself.
set -euo pipefail
bash "$(dirname "$0")/../make-icons" langs "$1/icons"
