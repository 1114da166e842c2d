#!/bin/sh
# Runs the dialog pictures of the dialog tests under Wine and saves them as PNG.
# Usage: screenshots.sh dialogs_tests.exe output-folder
set -u
exe=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
cd "$out" || exit 1
rm -f ./*.bmp ./*.png
GTEST_FILTER='Screenshots.*' "$here/../../tools/wine-run" "$exe" --gtest_color=no
status=$?
[ $status -eq 0 ] || exit $status
for picture in ./*.bmp; do
    convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "screenshots: $out"
ls "$out"
