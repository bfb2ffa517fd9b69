#!/usr/bin/env bash
# Checks the sources: clang-format's layout (.clang-format) for every source under src, tests
# and bench; that no file under src/core includes a platform header; clang-tidy's checks
# (.clang-tidy) for the code under src, read through the compile commands of both
# configurations: the native build's for the portable code, the Windows build's (clang aimed at
# mingw-w64) for the rest. Exits non-zero on any finding.
#
# clang-tidy skips a file it found clean before with the same inputs: the file and every file it
# includes (each one's path and contents), its compile commands, the clang-tidy command line,
# .clang-tidy and clang-tidy's version. Those clean results are kept in build/lint-cache, so a
# fresh checkout reads every file; a file with findings is read again at every run.
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
failed=0

mapfile -t sources < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
echo "lint: clang-format, ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}" || failed=1

# Layers point one way: the interfaces core programs against live in core.
grep -rl '#include "platform/' src/core && { echo "lint: src/core includes a platform header"; failed=1; }

# Configuring writes each build's compile_commands.json; nothing needs to be built.
cmake --preset native >/dev/null || { echo "lint: native configuration failed"; exit 1; }
cmake --preset windows >/dev/null || { echo "lint: windows configuration failed"; exit 1; }
# A file several targets compile is read once, through all its commands.
units() { jq -r '.[].file' "build/$1/compile_commands.json" | grep "^$PWD/src/" | sort -u; }
mapfile -t native < <(units native)
# The Windows build compiles core and settings too; the native pass has read them already.
mapfile -t windows < <(units windows | comm -23 - <(printf '%s\n' "${native[@]}"))
echo "lint: clang-tidy, ${#native[@]} native and ${#windows[@]} Windows files"
[ ${#native[@]} -gt 0 ] && [ ${#windows[@]} -gt 0 ] ||
  { echo "lint: no sources in a compile_commands.json"; exit 1; }

# The build's compiler is GCC, whose run-time code page clang cannot produce; the checks read
# the same sources with UTF-8 literals instead. For Windows, clang finds mingw-w64's headers
# but not the C++ library of its GCC, whose folders that GCC names.
compiler=$(jq -r '.[0].command' build/windows/compile_commands.json | cut -d' ' -f1)
WINDOWS_ARGS=$("$compiler" -xc++ -E -v - </dev/null 2>&1 |
  sed -n '/^#include <...>/,/^End/s#^ \(.*/c++.*\)#--extra-arg-before=-isystem\1#p')
[ -n "$WINDOWS_ARGS" ] || { echo "lint: no C++ headers of $compiler"; exit 1; }
export WINDOWS_ARGS=$'--extra-arg=--target=x86_64-w64-mingw32\n'"$WINDOWS_ARGS"

export LINT_CACHE=build/lint-cache
mkdir -p "$LINT_CACHE"
LINT_TOOL=$({ clang-tidy --version && cat .clang-tidy; } | sha256sum) ||
  { echo "lint: no clang-tidy"; exit 1; }
export LINT_TOOL
started=$(mktemp)
known=$(mktemp)
trap 'rm -f "$started" "$known"' EXIT
ls "$LINT_CACHE" | sort >"$known"

# lint_key BUILD FILE CLANG-TIDY-ARGS...: what decides the file's findings, hashed. GCC lists
# the files the file includes (comments too count: they hold NOLINT). Prints nothing when a
# command cannot list them; such a file is read every time.
lint_key() {
  local build=$1 file=$2 dir command
  shift 2
  {
    echo "$LINT_TOOL"
    printf '%s\n' "$@"
    jq -r --arg f "$file" '.[] | select(.file == $f) | .directory, .command' \
      "$build/compile_commands.json" |
      while IFS= read -r dir && IFS= read -r command; do
        printf '%s\n%s\n' "$dir" "$command"
        # Without the object file, -M writes the list to stdout.
        (cd "$dir" && eval "$(sed 's/ -o [^ ]* / /' <<<"$command") -M") |
          tr -s ' \\' '\n\n' | sed 1d | sort -u | (cd "$dir" && xargs -r sha256sum) || exit 1
      done || exit 1
  } | sha256sum | cut -d' ' -f1
}

# Each file's findings come out in one piece.
tidy() {
  local out rc key extra=() cmd
  [ "$1" = windows ] && mapfile -t extra <<<"$WINDOWS_ARGS"
  cmd=(clang-tidy --quiet -p "build/$1" --extra-arg=-fexec-charset=UTF-8 "${extra[@]}" "$2")
  key=$(set -o pipefail; lint_key "build/$1" "$2" "${cmd[@]}" 2>/dev/null) || key=
  if [ -n "$key" ] && [ -f "$LINT_CACHE/$key" ]; then
    touch "$LINT_CACHE/$key"
    return 0
  fi
  out=$("${cmd[@]}" 2>&1)
  rc=$?
  out=$(grep -v -e '^[0-9]* warnings\? generated\.$' -e '^$' <<<"$out")
  [ -n "$out" ] && printf '%s\n' "$out"
  [ $rc -eq 0 ] && [ -z "$out" ] && [ -n "$key" ] && touch "$LINT_CACHE/$key"
  return $rc
}
export -f lint_key tidy
{
  printf 'native\0%s\0' "${native[@]}"
  printf 'windows\0%s\0' "${windows[@]}"
} | xargs -0 -n 2 -P "$jobs" bash -c 'tidy "$@"' tidy || failed=1
# Results no run has had for a week are dropped.
find "$LINT_CACHE" -type f -mtime +7 -delete
unchanged=$(find "$LINT_CACHE" -type f -newer "$started" -printf '%f\n' | sort |
  comm -12 - "$known" | wc -l)
echo "lint: clang-tidy skipped $unchanged files unchanged since found clean"

if [ $failed -ne 0 ]; then
  echo "lint: FAILED"
  exit 1
fi
echo "lint: ok"
