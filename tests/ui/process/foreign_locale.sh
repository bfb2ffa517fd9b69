#!/usr/bin/env bash
# Starts porutena.exe in a fresh Wine prefix with an English locale (code page 1252) and two
# Japanese names on its command line, presses Ctrl+A and reads the X clipboard: the manifest
# gives the process code page 932, so the title and the names arrive intact, and the clipboard's
# UTF-16 text is converted from 932, not from the system's code page. Needs an X display.
#   foreign_locale.sh PATH/TO/porutena.exe
set -euo pipefail
exe=$1
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display"; exit 1; }

PORUTENA_WINEPREFIX= PORUTENA_LANG=en_US.UTF-8 source "$(dirname "$0")/../../../scripts/wine-env.sh"
dir=$(mktemp -d /tmp/porutena-process.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  porutena_wine_stop
  rm -rf "$dir"
}
trap cleanup EXIT
porutena_wine_start
porutena_wine_headless

touch "$dir/日本語のファイル.txt" "$dir/表ソ.txt"
windows_dir="Z:${dir//\//\\}"
expected="$windows_dir\\日本語のファイル.txt
$windows_dir\\表ソ.txt
"

wine "$exe" "$windows_dir\\日本語のファイル.txt" "$windows_dir\\表ソ.txt" &
pid=$!

# Within a minute: the window titled "ぽるてな" (a code page warning would hold it back), then
# Ctrl+A until the names, listed at the first activation, are on the clipboard.
wid=
got=
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ]; do
  if [ -z "$wid" ]; then
    wid=$(xdotool search --onlyvisible --name '^ぽるてな$' 2>/dev/null | head -n1 || true)
    sleep 0.2
    continue
  fi
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --clearmodifiers ctrl+a
  for _ in $(seq 1 10); do
    # The mark keeps the trailing line end from being cut off.
    got=$(xclip -o -selection clipboard 2>/dev/null; echo .)
    got=${got%.}
    [ "$got" = "$expected" ] && break 2
    sleep 0.2
  done
done
[ -n "$wid" ] || { echo "FAIL: no window titled ぽるてな"; exit 1; }

wine taskkill /im porutena.exe >/dev/null 2>&1 || true
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done

if [ "$got" != "$expected" ]; then
  echo "FAIL: the clipboard holds"
  printf '%s' "$got" | od -c | head -20
  echo "expected"
  printf '%s' "$expected" | od -c | head -20
  exit 1
fi
kill -0 "$pid" 2>/dev/null && { echo "FAIL: the program did not close"; exit 1; }
pid=
echo "ok: title and names intact under $LANG"
