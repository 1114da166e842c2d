#!/bin/sh
# Runs the control demo under Wine and saves its picture as PNG.
# Usage: screenshot.sh demo.exe output-folder
set -u
exe=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
cd "$out" || exit 1
rm -f controls.bmp controls.png
"$here/../../tools/wine-run" "$exe" controls.bmp
status=$?
[ $status -eq 0 ] || exit $status
convert controls.bmp controls.png && rm -f controls.bmp
echo "screenshot: $out/controls.png"
