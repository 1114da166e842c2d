#!/bin/sh
# Runs a Windows program that takes pictures in the output folder, with
# STUNDWERK_SCREENSHOTS naming it; each BMP file it writes there (also in
# subfolders) becomes a PNG.
# Usage: screenshots.sh program.exe output-folder [argument for the program...]
set -u
exe=$1 out=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out" && cd "$out" || exit 1
find . -name '*.bmp' -delete
STUNDWERK_SCREENSHOTS="Z:$out" "$here/../../tools/wine-run" "$exe" "$@" || exit $?
found=$(find . -name '*.bmp' | sort)
[ -n "$found" ] || { echo "no pictures in $out" >&2; exit 1; }
for picture in $found; do
    convert "$picture" "${picture%.bmp}.png" && rm -f "$picture" || exit 1
    echo "screenshot: $out/${picture#./}"
done
