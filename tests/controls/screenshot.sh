#!/bin/sh
# Runs a demo program under Wine and saves its pictures as PNG files.
# Usage: screenshot.sh demo.exe output-folder [name...]
# The demo gets one "name.bmp" argument per name (default: controls).
set -u
exe=$1
out=$2
shift 2
[ $# -gt 0 ] || set -- controls
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
cd "$out" || exit 1
pictures=
for name in "$@"; do
    rm -f "$name.bmp" "$name.png"
    pictures="$pictures $name.bmp"
done
# shellcheck disable=SC2086
"$here/../../tools/wine-run" "$exe" $pictures
status=$?
[ $status -eq 0 ] || exit $status
for name in "$@"; do
    convert "$name.bmp" "$name.png" && rm -f "$name.bmp" || exit 1
    echo "screenshot: $out/$name.png"
done
