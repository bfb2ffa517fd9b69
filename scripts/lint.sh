#!/usr/bin/env bash
# Checks the sources: clang-format's layout (.clang-format) for every source under src, tests
# and bench; that no file under src/core includes a platform header; clang-tidy's checks
# (.clang-tidy) for the code the native build compiles from src/core, src/settings and
# src/platform, read through that build's compile commands. Exits non-zero on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
failed=0

mapfile -t sources < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
echo "lint: clang-format, ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}" || failed=1

# Layers point one way: the interfaces core programs against live in core.
grep -rl '#include "platform/' src/core && { echo "lint: src/core includes a platform header"; failed=1; }

# Configuring writes build/native/compile_commands.json; nothing needs to be built.
cmake --preset native >/dev/null || { echo "lint: native configuration failed"; exit 1; }
mapfile -t units < <(sed -n 's#^ *"file": "\(.*/src/\(core\|settings\|platform\)/.*\)",\?$#\1#p' \
  build/native/compile_commands.json | sort)
echo "lint: clang-tidy, ${#units[@]} files"
[ ${#units[@]} -gt 0 ] || { echo "lint: no sources in build/native/compile_commands.json"; exit 1; }
# The build's compiler is GCC, whose run-time code page clang cannot produce; the checks read
# the same sources with UTF-8 literals instead. Each file's findings come out in one piece.
tidy() {
  local out rc
  out=$(clang-tidy --quiet -p build/native --extra-arg=-fexec-charset=UTF-8 "$1" 2>&1)
  rc=$?
  grep -v -e '^[0-9]* warnings\? generated\.$' -e '^$' <<<"$out"
  return $rc
}
export -f tidy
printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} bash -c 'tidy "$1"' tidy {} || failed=1

if [ $failed -ne 0 ]; then
  echo "lint: FAILED"
  exit 1
fi
echo "lint: ok"
