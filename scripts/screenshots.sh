#!/usr/bin/env bash
# Screenshots of the program's windows on a virtual display of 1280 x 800, in Russian and in English.
#   scripts/screenshots.sh [OUTDIR]      (default: build/screenshots)
# Every screenshot program of the build (build/tests/*_screenshots) is run once per language with
#   PROGRAM --out OUTDIR/<lang> --lang <lang>
# and saves one PNG per window state it shows, named after the window and the state.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
shopt -s nullglob
programs=(build/tests/*_screenshots)
[ ${#programs[@]} -gt 0 ] || { echo "no screenshot programs in build/tests: build first" >&2; exit 1; }
for lang in rus eng; do
  mkdir -p "$out/$lang"
  for program in "${programs[@]}"; do
    echo "$(basename "$program") ($lang)"
    xvfb-run -a -s '-screen 0 1280x800x24' env QT_QPA_PLATFORM=xcb "$program" --out "$out/$lang" --lang "$lang"
  done
done
echo "screenshots in $out"
