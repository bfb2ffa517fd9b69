#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# core and settings natively under ASan/UBSan, everything for Windows under Wine and Xvfb.
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
  cmake --preset native >/dev/null &&
    cmake --build --preset native -j "$jobs" &&
    ctest --preset native -j "$jobs"
}

windows_build() {
  cmake --preset windows >/dev/null && cmake --build --preset windows -j "$jobs"
}

windows_tests() {
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source scripts/wine-env.sh
    porutena_wine_start
    porutena_wine_headless
    ctest --preset windows
    rc=$?
    porutena_wine_stop
    exit $rc'
}

step native native
step windows-build windows_build
if [ "${result[windows-build]}" = ok ]; then
  step windows-tests windows_tests
else
  result[windows-tests]=SKIPPED
fi

echo
echo "SUMMARY:"
failed=0
for name in native windows-build windows-tests; do
  echo "  $name: ${result[$name]}"
  [ "${result[$name]}" = ok ] || failed=1
done
exit $failed
