#!/usr/bin/env bash
# Starts porutena.exe under Wine with names on its command line, written in other letter case
# than stored, presses Ctrl+A as a person would, and reads the X clipboard, where Wine hands
# the copied text over as UTF-8 with LF line ends. Needs an X display and the Wine
# environment of scripts/wine-env.sh.
#   copy_all.sh PATH/TO/porutena.exe
set -euo pipefail
exe=$1
source "$(dirname "$0")/drive.sh"
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display"; exit 1; }

dir=$(mktemp -d /tmp/porutena-process.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

mkdir "$dir/Sub Dir"
touch "$dir/Sub Dir/Mixed Case.TXT" "$dir/表ソ.txt"
windows_dir="Z:${dir//\//\\}"
# Each name ended by a line end, the last one too.
expected="Z:${dir//\//\\}\\Sub Dir\\Mixed Case.TXT
Z:${dir//\//\\}\\表ソ.txt
"

wine "$exe" "$windows_dir\\sub dir\\MIXED case.txt" "$windows_dir\\表ソ.TXT" &
pid=$!

wid=$(porutena_window) || { echo "FAIL: the window did not appear"; exit 1; }
porutena_copy_all "$wid" "$expected" || true
porutena_close "$pid" || { echo "FAIL: the program did not close"; exit 1; }
pid=

if [ "$got" != "$expected" ]; then
  echo "FAIL: the clipboard holds"
  printf '%s' "$got" | od -c | head -20
  echo "expected"
  printf '%s' "$expected" | od -c | head -20
  exit 1
fi
echo "ok: the names arrived rendered in stored case"
