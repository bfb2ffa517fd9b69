#!/usr/bin/env bash
# Like copy_all.sh, in a fresh Wine prefix with an English locale (code page 1252): the manifest
# gives the process code page 932, so the title and the Japanese names arrive intact, and the
# clipboard's UTF-16 text is converted from 932.   foreign_locale.sh PATH/TO/porutena.exe
set -euo pipefail
exe=$1
source "$(dirname "$0")/drive.sh"
PORUTENA_WINEPREFIX= PORUTENA_LANG=en_US.UTF-8 source "$(dirname "$0")/../../../scripts/wine-env.sh"
dir=$(mktemp -d /tmp/porutena-process.XXXXXX)
trap 'porutena_wine_stop; rm -rf "$dir"' EXIT
porutena_wine_start
porutena_wine_headless

touch "$dir/日本語のファイル.txt" "$dir/表ソ.txt"
names=("Z:${dir//\//\\}\\日本語のファイル.txt" "Z:${dir//\//\\}\\表ソ.txt")
# Each name ended by a line end, the last one too.
expected=$(printf '%s\n' "${names[@]}"; echo .)
expected=${expected%.}
wine "$exe" "${names[@]}" &

# The window titled "ぽるてな" (a code page warning would come first), then the names, listed
# at the first activation, on the clipboard.
wid=$(porutena_window) || true
got=
[ -n "$wid" ] && porutena_copy_all "$wid" "$expected" || true
timeout 30 wine taskkill /im porutena.exe >/dev/null 2>&1 || true

[ -n "$wid" ] || { echo "FAIL: no window titled ぽるてな"; exit 1; }
[ "$got" = "$expected" ] || { printf 'FAIL: the clipboard holds\n%s\nnot\n%s\n' "$got" "$expected"; exit 1; }
echo "ok: title and names intact under $LANG"
