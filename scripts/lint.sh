#!/usr/bin/env bash
# Checks the sources: clang-format's layout (.clang-format) for every source under src, tests
# and bench; that no file under src/core includes a platform header; clang-tidy's checks
# (.clang-tidy) for the code under src, read through the compile commands of both
# configurations: the native build's for the portable code, the Windows build's (clang aimed at
# mingw-w64) for the rest. Exits non-zero on any finding.
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
units() { sed -n "s#^ *\"file\": \"\($PWD/src/.*\)\",\\?\$#\1#p" "build/$1/compile_commands.json" | sort; }
mapfile -t native < <(units native)
# The Windows build compiles core and settings too; the native pass has read them already.
mapfile -t windows < <(units windows | comm -23 - <(printf '%s\n' "${native[@]}"))
echo "lint: clang-tidy, ${#native[@]} native and ${#windows[@]} Windows files"
[ ${#native[@]} -gt 0 ] && [ ${#windows[@]} -gt 0 ] ||
  { echo "lint: no sources in a compile_commands.json"; exit 1; }

# The build's compiler is GCC, whose run-time code page clang cannot produce; the checks read
# the same sources with UTF-8 literals instead. For Windows, clang finds mingw-w64's headers
# but not the C++ library of its GCC, whose folders that GCC names.
compiler=$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p' build/windows/compile_commands.json | head -n 1)
WINDOWS_ARGS=$("$compiler" -xc++ -E -v - </dev/null 2>&1 |
  sed -n '/^#include <...>/,/^End/s#^ \(.*/c++.*\)#--extra-arg-before=-isystem\1#p')
[ -n "$WINDOWS_ARGS" ] || { echo "lint: no C++ headers of $compiler"; exit 1; }
export WINDOWS_ARGS=$'--extra-arg=--target=x86_64-w64-mingw32\n'"$WINDOWS_ARGS"

# Each file's findings come out in one piece.
tidy() {
  local out rc extra=()
  [ "$1" = windows ] && mapfile -t extra <<<"$WINDOWS_ARGS"
  out=$(clang-tidy --quiet -p "build/$1" --extra-arg=-fexec-charset=UTF-8 "${extra[@]}" "$2" 2>&1)
  rc=$?
  grep -v -e '^[0-9]* warnings\? generated\.$' -e '^$' <<<"$out"
  return $rc
}
export -f tidy
{
  printf 'native\0%s\0' "${native[@]}"
  printf 'windows\0%s\0' "${windows[@]}"
} | xargs -0 -n 2 -P "$jobs" bash -c 'tidy "$@"' tidy || failed=1

if [ $failed -ne 0 ]; then
  echo "lint: FAILED"
  exit 1
fi
echo "lint: ok"
