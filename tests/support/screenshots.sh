#!/bin/sh
# Runs a Windows program that takes pictures and saves them as PNG in the
# output folder. The program runs in that folder, with STUNDWERK_SCREENSHOTS
# naming it, and writes BMP files there; each becomes a PNG.
# Usage: screenshots.sh program.exe output-folder [argument...]
# The arguments go to the program: for a test program the options that
# choose its picture tests, for a demo program the BMP files it is to write
# (each of these must then exist).
set -u
exe=$1
out=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
cd "$out" || exit 1
rm -f ./*.bmp
STUNDWERK_SCREENSHOTS="Z:$out" "$here/../../tools/wine-run" "$exe" "$@"
status=$?
[ $status -eq 0 ] || exit $status
for argument in "$@"; do
    case $argument in
    *.bmp) [ -e "$argument" ] || { echo "no picture $out/$argument" >&2; exit 1; } ;;
    esac
done
saved=0
for picture in ./*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm -f "$picture" || exit 1
    echo "screenshot: $out/${picture#./}"
    saved=1
done
[ $saved -eq 1 ] || { echo "no pictures in $out" >&2; exit 1; }
