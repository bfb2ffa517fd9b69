#!/usr/bin/env bash
# Installs what is missing, checks the sources (scripts/lint.sh), builds both configurations and
# runs every test: core and settings natively under ASan/UBSan and under ThreadSanitizer,
# everything for Windows under Wine and Xvfb. Ends with one summary: each step's result and time, each test program's cases.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || { echo "SUMMARY: setup failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
declare -A result seconds tested
steps=()
current=

# step NAME [--after STEP] COMMAND...: runs COMMAND unless STEP did not pass.
step() {
  local name=$1 start=$SECONDS
  shift
  steps+=("$name")
  if [ "$1" = --after ]; then
    if [ "${result[$2]:-}" != ok ]; then
      result[$name]=SKIPPED
      return
    fi
    shift 2
  fi
  echo "=== $name"
  current=$name
  if "$@"; then result[$name]=ok; else result[$name]=FAILED; fi
  seconds[$name]=$((SECONDS - start))
}

# counted PRESET: the summary lists the cases of the preset's tests that this step runs.
counted() {
  tested[$current]=build/$1/Testing/Temporary/LastTest.log
  rm -f "${tested[$current]}"
}

native() {
  counted native
  cmake --preset native >/dev/null &&
    cmake --build --preset native -j "$jobs" &&
    ctest --preset native -j "$jobs"
}

# The core's worker threads under ThreadSanitizer.
tsan() {
  counted tsan
  cmake --preset tsan >/dev/null &&
    cmake --build --preset tsan -j "$jobs" &&
    ctest --preset tsan -j "$jobs"
}

windows_build() {
  cmake --preset windows >/dev/null && cmake --build --preset windows -j "$jobs"
}

# Side by side: the tests with a prefix and display of their own beside those that take turns
# on the desktop of the run's prefix (cmake/Testing.cmake). They mostly wait on windows and
# timers, so one more than the cores; the everyday-use test, the longest, sets the time.
windows_tests() {
  counted windows
  (
    source scripts/wine-env.sh
    trap porutena_wine_stop EXIT
    porutena_wine_display && porutena_wine_start && porutena_wine_keep && porutena_wine_headless &&
      ctest --preset windows -j "$((jobs + 1))"
  )
}

step lint scripts/lint.sh
step native native
step tsan tsan
step windows-build windows_build
# The release zip, which one of the Windows tests unpacks and starts.
step package --after windows-build scripts/package.sh
step windows-tests --after windows-build windows_tests

# The GoogleTest case counts of each program, from ctest's log of the run, by name: tests that
# run side by side end in any order.
cases() { # cases LOG
  [ -f "$1" ] || return 0
  awk '/^[0-9]+\/[0-9]+ Testing: /{name=$3}
       /^\[  PASSED  \] [0-9]+ test/{printf "    %-24s %s cases passed\n", name, $4}
       /^\[  FAILED  \] [0-9]+ test/{printf "    %-24s %s cases FAILED\n", name, $4}' "$1" |
    sort -s -k1,1
}

echo
echo "SUMMARY:"
failed=0
for name in "${steps[@]}"; do
  took=
  [ -n "${seconds[$name]:-}" ] && took=" (${seconds[$name]} s)"
  echo "  $name: ${result[$name]}$took"
  [ -n "${tested[$name]:-}" ] && cases "${tested[$name]}"
  [ "${result[$name]}" = ok ] || failed=1
done
echo "  total: $SECONDS s"
exit $failed
