#!/usr/bin/env bash
# Installs what is missing, builds the Windows program (the windows preset, Release) and writes
# the release: dist/porutena-VERSION-win-x64.zip, one folder with the program, its help page
# and a Japanese readme, and dist/SHA256SUMS. Any checkout of a commit gives the same bytes:
# the build leaves out link times and checkout paths, and every time in the zip is the
# commit's (SOURCE_DATE_EPOCH).
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || {
    echo "package: not a git checkout; set SOURCE_DATE_EPOCH" >&2
    exit 1
  }
fi
export SOURCE_DATE_EPOCH

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)" --target porutena >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
name=porutena-$version
zip=$PWD/dist/$name-win-x64.zip
exe=build/windows/src/ui/porutena.exe
limit=$((300 * 1024))
size=$(stat -c %s "$exe")
[ "$size" -le "$limit" ] || { echo "package: $exe has $size bytes, over $limit" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$exe" resources/Veza.html "$stage/$name/"
# In Notepad's code page, with CR LF.
sed "s/@VERSION@/$version/g; s/\$/\r/" resources/readme-ja.txt |
  iconv -f UTF-8 -t CP932 >"$stage/$name/README.txt"

# Entries in a fixed order, with fixed modes and times, no extra fields, no folder entries.
chmod 644 "$stage/$name"/*
TZ=UTC touch -d "@$SOURCE_DATE_EPOCH" "$stage/$name"/*
(cd "$stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q -@ "$stage/release.zip")
# A zip already there with the same bytes is left as it is.
mkdir -p dist
if cmp -s "$stage/release.zip" "$zip"; then
  state="up to date"
else
  mv "$stage/release.zip" "$zip"
  state=written
fi
sums=$(cd dist && sha256sum "$(basename "$zip")")
[ "$(cat dist/SHA256SUMS 2>/dev/null)" = "$sums" ] || echo "$sums" >dist/SHA256SUMS
echo "package: dist/$(basename "$zip"), $state ($size bytes program)"
