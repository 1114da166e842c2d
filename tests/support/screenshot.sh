#!/bin/sh
# Runs a picture program under Wine and keeps what it saved as PNG files: the
# program gets a folder as its argument and leaves BMP files there.
# Usage: screenshot.sh program.exe output-folder
set -u
exe=$1
out=$2
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
stage=$out/.$(basename "$exe" .exe)
rm -rf "$stage"
mkdir -p "$stage"
cd "$stage" || exit 1
"$tools/wine-run" "$exe" .
status=$?
for picture in *.bmp; do
    [ -f "$picture" ] || continue
    convert "$picture" "$out/${picture%.bmp}.png" && echo "screenshot: $out/${picture%.bmp}.png"
done
cd "$out" && rm -rf "$stage"
exit $status
