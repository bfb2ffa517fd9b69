#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine with code
# page 932: on your display when there is one, otherwise under Xvfb, where it saves a
# screenshot of the window and closes it again.
#   scripts/run.sh [FILE...]
# Settings persist in the Wine prefix $PORUTENA_RUN_PREFIX (default ~/.local/share/porutena/wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)" --target porutena >/dev/null

exe="$PWD/build/windows/src/ui/porutena.exe"
export PORUTENA_WINEPREFIX="${PORUTENA_RUN_PREFIX:-$HOME/.local/share/porutena/wine}"
mkdir -p "$PORUTENA_WINEPREFIX"
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ]; then
  porutena_wine_start
  exec wine "$exe" "$@"
fi

shot="${PORUTENA_SHOT:-$PWD/porutena-window.png}"
export exe shot
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source scripts/wine-env.sh
  porutena_wine_start
  wine "$exe" "$@" &
  pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name "^ぽるてな$" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  import -window root "$shot"
  wid=$(xdotool search --name "^ぽるてな$" | head -n1 || true)
  [ -n "$wid" ] && xdotool windowclose "$wid" >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
  kill $pid 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
' run "$@"
echo "run: no display; screenshot of the window saved to $shot"
