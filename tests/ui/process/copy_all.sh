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
fuse_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  # The view chosen below is not left for the other tests on this prefix.
  [ -n "$fuse_pid" ] && timeout 30 wine reg delete 'HKCU\Software\Zon\Porutena' /f >/dev/null 2>&1 || true
  if [ -n "$fuse_pid" ]; then
    fusermount3 -u "$dir/Slow" 2>/dev/null || kill "$fuse_pid" 2>/dev/null || true
    wait "$fuse_pid" 2>/dev/null || true
  fi
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

# On a slow volume (every look-up answered 2 ms late, tests/ui/process/slow_volume.py), Copy
# all pressed during the start-up conversion gives the whole list, never a part; a view change
# and a close right after it end the program at once.
mkdir -p "$dir/share/Dept/Team/Docs" "$dir/Slow"
(cd "$dir/share/Dept/Team/Docs" && seq -f "Report %03g.txt" 1 40 | xargs -d '\n' touch)
/usr/bin/python3 "$(dirname "$0")/slow_volume.py" "$dir/share" "$dir/Slow" 0.002 &
fuse_pid=$!
for _ in $(seq 1 50); do mountpoint -q "$dir/Slow" && break; sleep 0.1; done
mountpoint -q "$dir/Slow" || { echo "FAIL: the slow volume was not mounted"; exit 1; }
args=()
expected=
for i in $(seq 1 40); do
  n=$(printf %03d "$i")
  args+=("$windows_dir\\slow\\DEPT\\team\\docs\\REPORT $n.TXT")
  expected+="$windows_dir\\Slow\\Dept\\Team\\Docs\\Report $n.txt"$'\n'
done
wine "$exe" "${args[@]}" &
pid=$!
started=$SECONDS
wid=$(porutena_window) || { echo "FAIL: the window did not appear"; exit 1; }
printf 'before' | xclip -selection clipboard
# Pressed again until the window takes keys; whatever arrives must be the whole list.
for ((deadline = SECONDS + 60; SECONDS < deadline; )); do
  timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --clearmodifiers ctrl+a
  sleep 0.3
  got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null; echo .)
  got=${got%.}
  [ "$got" = before ] || break
done
[ "$got" = "$expected" ] || { echo "FAIL: Copy all during the conversion gave ${#got} bytes, not the ${#expected} of the whole list"; exit 1; }
echo "the whole list after $((SECONDS - started)) s"
# File names only (表示, ﾌｧｲﾙ名のみ), then the close while that rendering runs.
xdotool key --clearmodifiers alt+v f
start=$(date +%s%N)
porutena_close "$pid" || { echo "FAIL: the program did not close"; exit 1; }
pid=
closed_ms=$((($(date +%s%N) - start) / 1000000))
[ "$closed_ms" -le 3000 ] || { echo "FAIL: closing during a rendering took $closed_ms ms"; exit 1; }
style=$(wine reg query 'HKCU\Software\Zon\Porutena\View' /v FileViewStyle 2>/dev/null | tr -d '\r' |
  awk '/FileViewStyle/ {print $NF}')
[ "$style" = 1 ] || { echo "FAIL: the view chosen before the close was not stored ($style)"; exit 1; }
echo "ok: Copy all waited for the whole list; closed during a rendering in $closed_ms ms"
