#!/usr/bin/env bash
# The release as a user gets it: the zip unpacked into a throw-away folder holds exactly the
# program just built, its help page and the readme; the program, started from its own folder
# with one name as Send To gives it (in other letter case than stored), lists it in its
# long form (read back with Ctrl+A from the X clipboard, where Wine hands the
# text over as UTF-8 with LF) and ends with exit code 0 when closed as the close button does.
# Needs an X display and the Wine environment of scripts/wine-env.sh.
#   unpacked.sh dist/porutena-VERSION-win-x64.zip BUILT/porutena.exe
set -euo pipefail
zip=$1 built=$2
source "$(dirname "$0")/../ui/process/drive.sh"
[ -f "$zip" ] || { echo "SKIP: no $zip (scripts/package.sh makes it)"; exit 77; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display"; exit 1; }

dir=$(mktemp -d /tmp/porutena-unpacked.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

folder=$(basename "$zip" -win-x64.zip)
listing=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "$folder/README.txt $folder/Veza.html $folder/porutena.exe " ] ||
  { echo "FAIL: the zip holds $listing"; exit 1; }
unzip -q "$zip" -d "$dir"
cmp -s "$dir/$folder/porutena.exe" "$built" ||
  { echo "FAIL: the zip's program is not the one built (run scripts/package.sh)"; exit 1; }

cd "$dir/$folder"
here="Z:${dir//\//\\}\\$folder"
expected="$here\\README.txt
"
wine porutena.exe "$here\\readme.TXT" &
pid=$!

wid=$(porutena_window) || { echo "FAIL: the window did not appear"; exit 1; }
porutena_copy_all "$wid" "$expected" || true
porutena_close "$pid" || { echo "FAIL: the program did not close"; exit 1; }
pid=
[ "$got" = "$expected" ] || { printf 'FAIL: the window lists %q, not %q\n' "$got" "$expected"; exit 1; }
[ "$rc" -eq 0 ] || { echo "FAIL: the program ended with $rc"; exit 1; }
echo "ok: the unpacked program listed its name and closed"
