#!/usr/bin/env bash
# Installs what is missing, checks the sources (scripts/lint.sh), builds both configurations and
# runs every test: core and settings natively under ASan/UBSan, everything for Windows under Wine
# and Xvfb.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || { echo "SUMMARY: setup failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
declare -A result

step() { # step NAME COMMAND...
  local name=$1; shift
  echo "=== $name"
  if "$@"; then result[$name]=ok; else result[$name]=FAILED; fi
}

native() {
  rm -f build/native/Testing/Temporary/LastTest.log
  cmake --preset native >/dev/null &&
    cmake --build --preset native -j "$jobs" &&
    ctest --preset native -j "$jobs"
}

windows_build() {
  cmake --preset windows >/dev/null && cmake --build --preset windows -j "$jobs"
}

windows_tests() {
  rm -f build/windows/Testing/Temporary/LastTest.log
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source scripts/wine-env.sh
    porutena_wine_start
    porutena_wine_headless
    ctest --preset windows
    rc=$?
    porutena_wine_stop
    exit $rc'
}

step lint scripts/lint.sh
step native native
step windows-build windows_build
# The release zip, which one of the Windows tests unpacks and starts.
if [ "${result[windows-build]}" = ok ]; then
  step package scripts/package.sh
else
  result[package]=SKIPPED
fi
if [ "${result[windows-build]}" = ok ]; then
  step windows-tests windows_tests
else
  result[windows-tests]=SKIPPED
fi

# The GoogleTest case counts of each program, from ctest's log of the run.
cases() { # cases BUILD_DIR
  local log=$1/Testing/Temporary/LastTest.log
  [ -f "$log" ] || return 0
  awk '/^[0-9]+\/[0-9]+ Testing: /{name=$3}
       /^\[  PASSED  \] [0-9]+ test/{printf "    %-24s %s cases passed\n", name, $4}
       /^\[  FAILED  \] [0-9]+ test/{printf "    %-24s %s cases FAILED\n", name, $4}' "$log"
}

echo
echo "SUMMARY:"
failed=0
for name in lint native windows-build package windows-tests; do
  echo "  $name: ${result[$name]}"
  case $name in
    native) cases build/native ;;
    windows-tests) cases build/windows ;;
  esac
  [ "${result[$name]}" = ok ] || failed=1
done
exit $failed
