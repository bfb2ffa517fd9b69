#!/usr/bin/env bash
# Like copy_all.sh, in one fresh Wine prefix on a display of its own with an English locale
# (code page 1252), for each program given: the released one, whose manifest asks for code page
# 932, and the same built with a manifest that asks for none and for UTF-8. The program's text
# is 932 whatever the process's code page, so the title and every name arrive the same:
# Japanese names, names with 表 and ソ, and a name without a 932 form in its 8.3 form.
#   foreign_locale.sh PATH/TO/porutena.exe [PATH/TO/variant.exe ...]
set -euo pipefail
source "$(dirname "$0")/drive.sh"
PORUTENA_WINEPREFIX= PORUTENA_LANG=en_US.UTF-8 source "$(dirname "$0")/../../../scripts/wine-env.sh"
dir=$(mktemp -d /tmp/porutena-process.XXXXXX)
trap 'porutena_wine_stop; rm -rf "$dir"' EXIT
porutena_wine_display
porutena_wine_start
porutena_wine_keep
porutena_wine_headless

touch "$dir/日本語のファイル.txt" "$dir/表ソ.txt" "$dir/café.txt"
folder="Z:${dir//\//\\}"
names=("$folder\\日本語のファイル.txt" "$folder\\表ソ.txt" "$folder\\café.txt")
# café has no 932 form: the row is its 8.3 name, which Wine makes up as CAF…~….TXT.
pattern=$(printf '%s\n' "${names[@]:0:2}")
# Every name listed: three line ends.
all_listed() { [ "$(printf '%s' "$got" | wc -l)" = 3 ]; }
failed=0
for exe in "$@"; do
  # What the program before left on the clipboard does not count.
  echo -n none | xclip -selection clipboard >/dev/null 2>&1
  wine "$exe" "${names[@]}" &
  # The window titled "ぽるてな", then the names, listed at the first activation, on the clipboard.
  wid=$(porutena_window) || true
  got=
  if [ -n "$wid" ]; then
    porutena_copy_until "$wid" all_listed || true
  fi
  timeout 30 wine taskkill /im "$(basename "$exe")" >/dev/null 2>&1 || true
  sleep 1
  name=$(basename "$exe")
  [ -n "$wid" ] || { echo "FAIL: $name: no window titled ぽるてな"; failed=1; continue; }
  head=$(printf '%s' "$got" | head -n2)
  last=$(printf '%s' "$got" | sed -n 3p)
  if [ "$head" != "$pattern" ] || ! [[ $last == "$folder\\CAF"*"~"*".TXT" ]] ||
    [ "$(printf '%s' "$got" | wc -l)" != 3 ]; then
    printf 'FAIL: %s: the clipboard holds\n%s\nnot\n%s\n%s\\CAF…~….TXT\n' "$name" "$got" "$pattern" "$folder"
    failed=1
    continue
  fi
  echo "ok: $name: title and names intact under $LANG"
done
exit $failed
