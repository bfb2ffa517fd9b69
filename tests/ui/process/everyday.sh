#!/usr/bin/env bash
# The program in everyday use, in a fresh Wine prefix on a display of its own, with Wine's
# defaults (Wine manages the windows, and no window manager answers it):
#  - a window of another process that carries the program's wrapper property, and another copy
#    of the program, under the mouse: the program keeps running;
#  - keys pressed right after a dialog closes act at once after the program's own dialogs, and
#    after the system's no later than after the same dialogs of Wine's notepad;
#  - the session ends with the window open: the view chosen is in the registry.
#   everyday.sh PATH/TO/porutena.exe PATH/TO/foreign_window.exe
set -euo pipefail
exe=$1
foreign=$2
here=$(dirname "$0")
source "$here/drive.sh"
PORUTENA_WINEPREFIX= source "$here/../../../scripts/wine-env.sh"
dir=$(mktemp -d /tmp/porutena-process.XXXXXX)
trap 'porutena_wine_stop; rm -rf "$dir"' EXIT
porutena_wine_display
porutena_wine_start
porutena_wine_keep
# A crash ends the program instead of waiting on Wine's crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# Alone in its folder: Help finds no page beside the program and shows the error box.
cp "$exe" "$dir/porutena.exe"
touch "$dir/one.txt" "$dir/two.txt"
name="Z:${dir//\//\\}\\one.txt"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

clip() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
clip_is() { [ "$(clip)" = "$1" ]; }
clip_changed() { [ "$(clip)" != none ]; }
shown() { porutena_window_named "$1" 10 >/dev/null; }
# Seconds until the check passes, at most 6 (then 9.99).
until_seconds() {
  local start=$EPOCHREALTIME
  until "$@"; do
    awk "BEGIN { exit !($EPOCHREALTIME - $start > 6) }" && { echo 9.99; return; }
    sleep 0.05
  done
  awk "BEGIN { printf \"%.2f\", $EPOCHREALTIME - $start }"
}
# after_dialog WINDOW OPEN CAPTION CLOSE THEN CHECK: the keys OPEN show the dialog CAPTION, the
# key CLOSE closes it, the keys THEN follow 0.15 s later; prints the seconds until CHECK passes.
after_dialog() {
  local window=$1 open=${2//|/ } caption=$3 close=$4 then=$5 check=$6 key
  timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in $open; do xdotool key "$key"; sleep 0.3; done
  shown "$caption" || { echo "no dialog $caption" >&2; echo 9.99; return; }
  sleep 0.5
  echo -n none | xclip -selection clipboard >/dev/null 2>&1
  xdotool key "$close"
  sleep 0.15
  for key in $then; do xdotool key "$key"; done
  until_seconds $check
}

# Wine's notepad first: how soon keys act after its About box, message box and open dialog.
wine notepad &
notepad=$(porutena_window_named '.* - メモ帳') || fail "notepad did not start"
xdotool type --window "$notepad" x
declare -A theirs
theirs[about]=$(after_dialog "$notepad" "alt+h a" "メモ帳 について" Return "x ctrl+a ctrl+c" clip_changed)
theirs[box]=$(after_dialog "$notepad" "ctrl+n" "メモ帳" Escape "x ctrl+a ctrl+c" clip_changed)
theirs[open]=$(after_dialog "$notepad" "ctrl+o" "開く" Escape "x ctrl+a ctrl+c" clip_changed)
timeout 30 wine taskkill /f /im notepad.exe >/dev/null 2>&1 || true

wine "$dir/porutena.exe" "$name" &
pid=$!
wid=$(porutena_window) || { echo "FAIL: the window did not appear"; exit 1; }
porutena_copy_all "$wid" "$name"$'\n' || fail "Ctrl+A copied nothing at the start"
check="clip_is $name"
while read -r row open caption close reference; do
  took=$(after_dialog "$wid" "$open" "$caption" "$close" ctrl+a "$check")
  row=${row//_/ }
  echo "keys after $row: ${took} s (notepad ${theirs[$reference]} s)"
  awk "BEGIN { exit !($took <= ${theirs[$reference]} + 0.3) }" || fail "keys after $row act later than after notepad's"
  # The program's own dialogs hand the keys on at once.
  [ "$reference" != about ] || awk "BEGIN { exit !($took < 0.5) }" || fail "keys after $row wait"
done <<'ROWS'
About,_Enter alt+h|a ﾊﾞｰｼﾞｮﾝ情報 Return about
limit,_OK alt+v|o 旧リストに残す数 Return about
limit,_Esc alt+v|o 旧リストに残す数 Escape about
error_box,_Esc alt+h|h エラー Escape box
open_dialog,_Esc ctrl+o 開く Escape open
ROWS

# Still running: without the crash dialog a crash ends the process.
answers() { sleep 1 && kill -0 "$pid" 2>/dev/null; }

# Under the mouse: a window of another process with the property, then another copy.
wine "$foreign" 700 300 &
shown foreign || fail "the foreign window did not appear"
xdotool mousemove 850 400 sleep 0.5 mousemove 860 410 sleep 1.5
answers || fail "the program broke down with a foreign window under the mouse"
timeout 30 wine taskkill /im foreign_window.exe >/dev/null 2>&1 || true
wine "$dir/porutena.exe" "Z:${dir//\//\\}\\two.txt" &
other=$!
for _ in $(seq 50); do
  second=$(xdotool search --onlyvisible --name '^ぽるてな$' 2>/dev/null | grep -vx "$wid" | head -n1 || true)
  [ -n "$second" ] && break
  sleep 0.2
done
for p in 100 150 200; do xdotool mousemove $p $p sleep 0.5; done
sleep 1
answers || fail "the program broke down with another copy under the mouse"
# Closed as its close button does, before the first one stores its settings.
[ -n "$second" ] && timeout 5 xdotool windowfocus --sync "$second" 2>/dev/null && xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$other" 2>/dev/null || break; sleep 0.2; done
kill "$other" 2>/dev/null || true

# The end of the session with the window open: ファイル名のみ and / were chosen.
if kill -0 "$pid" 2>/dev/null; then
  timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
  for key in alt+v f alt+v p Up Return; do xdotool key "$key"; sleep 0.3; done
  timeout 30 wineboot --end-session >/dev/null 2>&1 || true
  view=$(timeout 30 wine reg query 'HKCU\Software\Zon\Porutena\View' 2>/dev/null | tr -d '\r' || true)
  grep -Eq 'FileViewStyle +REG_SZ +1$' <<<"$view" && grep -Eq 'PathSep +REG_SZ +2$' <<<"$view" ||
    fail "the view chosen was not stored at the end of the session: $view"
fi
kill "$pid" 2>/dev/null || true
[ $failed = 0 ] && echo "ok: everyday use"
exit $failed
