#!/bin/sh
# Runs the report tests that take pictures (warning, about box, export dialog,
# evaluation box) and saves the pictures as PNG.
# Usage: screenshots.sh reports_tests.exe output-folder
set -u
exe=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
names="warning about export evaluation"
for name in $names; do rm -f "$out/$name.bmp" "$out/$name.png"; done
STUNDWERK_SCREENSHOTS="Z:$out" "$here/../../tools/wine-run" "$exe" --gtest_color=no \
    --gtest_filter='MessageDialogTest.AWarning*:InfoDialogTest.*:ReportPlanTest.ExportDialog*:ReportPlanTest.Evaluation*'
status=$?
[ $status -eq 0 ] || exit $status
for name in $names; do
    convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp" || exit 1
    echo "screenshot: $out/$name.png"
done
