#!/usr/bin/env bash
# Runs the display-scale tests of ui_main_tests at LogPixels 96, 120, 144 and 192, each in a
# program started at that DPI (a program reads it when it starts), in a throw-away Wine prefix
# on a display of its own.   dpi.sh PATH/TO/ui_main_tests.exe
set -uo pipefail
exe=$1
PORUTENA_WINEPREFIX= source "$(dirname "$0")/../../../scripts/wine-env.sh"
trap porutena_wine_stop EXIT
porutena_wine_display || exit 1
porutena_wine_start
porutena_wine_keep
porutena_wine_headless

failed=0
for dpi in 96 120 144 192; do
  echo "=== LogPixels $dpi"
  porutena_wine_dpi "$dpi"
  PORUTENA_TEST_DPI=$dpi wine "$exe" --gtest_filter='DpiTest.*' --gtest_color=no || failed=1
done
exit $failed
