#!/usr/bin/env bash
# Installs what is missing, builds the benchmark programs of the Windows configuration and runs
# each (every *.exe below build/windows/bench) under Wine with code page 932 in a throw-away prefix.
# Every figure goes to stdout on a line of its own as name=value; build output, progress and
# anything else go to stderr. Exits non-zero when a benchmark fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh >&2 || { echo "bench: setup failed" >&2; exit 1; }
{
  cmake --preset windows >/dev/null &&
    cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)" --target benchmarks
} >&2 || { echo "bench: build failed" >&2; exit 1; }

mapfile -t programs < <(find build/windows/bench -name '*.exe' -type f | sort)
if [ ${#programs[@]} -eq 0 ]; then
  echo "bench: no benchmark programs built" >&2
  exit 1
fi

# Under Xvfb, so that benchmarks that open windows run as well.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/wine-env.sh
  porutena_wine_start
  porutena_wine_headless
  failed=0
  for program in "$@"; do
    echo "=== ${program#build/windows/bench/}" >&2
    out=$(wine "$program")
    rc=$?
    grep -E "^[A-Za-z0-9_]+=" <<<"$out" | tr -d "\r"
    if [ $rc -ne 0 ]; then
      echo "bench: $program failed ($rc)" >&2
      failed=1
    fi
  done
  porutena_wine_stop
  exit $failed' bench "${programs[@]}"
