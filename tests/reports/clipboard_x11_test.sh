#!/bin/sh
# Runs the export dialog's test, which leaves its export on the Windows
# clipboard under Wine, and reads it from the X11 clipboard with xclip in the
# same X server: the exact bytes, line feeds only.
# Usage: clipboard_x11_test.sh dialogs_tests.exe
set -u
command -v xclip >/dev/null || { echo "SKIPPED: xclip is not installed"; exit 77; }
command -v xvfb-run >/dev/null || { echo "SKIPPED: xvfb-run is not installed"; exit 77; }
# Wine hands the clipboard to X11 on the display its desktop process was
# started on, which a running wine server keeps: the display the tests run on,
# else one of this script's own. wine-run starts no X server when DISPLAY is set.
put_and_read='"$1" "$2" "--gtest_filter=ReportPlanTest.ExportDialog*" >&2 && xclip -o -selection clipboard'
wine_run=$(dirname "$0")/../../tools/wine-run
if [ -n "${DISPLAY:-}" ]; then
    got=$(sh -c "$put_and_read" sh "$wine_run" "$1" | od -c)
else
    got=$(xvfb-run -a -s "-screen 0 1024x768x24" sh -c "$put_and_read" sh "$wine_run" "$1" | od -c)
fi
[ "$got" = "$(printf '04.03.2002\t08:00\t0:24\n' | od -c)" ] && echo "xclip -o -selection clipboard: exact" && exit 0
echo "xclip gave: $got"
exit 1
