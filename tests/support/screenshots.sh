#!/bin/sh
# Runs the tests of a test program that take pictures and saves the pictures
# as PNG in the output folder. The tests save BMP files in the current folder
# or in the folder that STUNDWERK_SCREENSHOTS names.
# Usage: screenshots.sh test-program.exe output-folder gtest-filter
set -u
exe=$1
out=$2
filter=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
cd "$out" || exit 1
rm -f ./*.bmp
STUNDWERK_SCREENSHOTS="Z:$out" "$here/../../tools/wine-run" "$exe" --gtest_color=no --gtest_filter="$filter"
status=$?
[ $status -eq 0 ] || exit $status
saved=0
for picture in ./*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm -f "$picture" || exit 1
    echo "screenshot: $out/${picture#./}"
    saved=1
done
[ $saved -eq 1 ] || { echo "no pictures in $out" >&2; exit 1; }
