#!/usr/bin/env bash
# Screenshots of the dialogs under Xvfb, for checking their layout by eye:
#   tests/ui/dialogs/preview.sh [OUTDIR]   (after building the windows preset)
# Writes integer.png, refused.png and about.png.
set -euo pipefail
cd "$(dirname "$0")/../../.."
out=$(realpath -m "${1:-build/windows/dialog-shots}")
mkdir -p "$out"
export exe="$PWD/build/windows/tests/ui/dialogs/dialogs_preview.exe" out
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  source scripts/wine-env.sh
  porutena_wine_start
  porutena_wine_headless
  for which in integer refused about; do
    wine "$exe" "$which" &
    pid=$!
    sleep 4
    import -window root "$out/$which.png"
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
  done
  porutena_wine_stop
'
echo "preview: $out/{integer,refused,about}.png"
