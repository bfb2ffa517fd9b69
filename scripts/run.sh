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
  # No window manager here: Wine draws the frames itself, for this run only.
  porutena_wine_headless
  trap "wine reg delete \"HKCU\\Software\\Wine\\X11 Driver\" /v Managed /f >/dev/null 2>&1; wineserver -k >/dev/null 2>&1" EXIT
  wine "$exe" "$@" &
  pid=$!
  wid=
  for _ in $(seq 1 150); do
    wid=$(xdotool search --onlyvisible --name "^ぽるてな$" 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    sleep 0.2
  done
  [ -n "$wid" ] || { echo "run: the window did not appear" >&2; kill $pid 2>/dev/null; exit 1; }
  sleep 1
  import -window "$wid" "$shot"
  # Closed as the close button does, so the settings are written on the way out.
  wine taskkill /im porutena.exe >/dev/null 2>&1 || true
  for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then
    echo "run: the program did not close" >&2
    kill $pid 2>/dev/null || true
    exit 1
  fi
' run "$@"
echo "run: no display; screenshot of the window saved to $shot"
