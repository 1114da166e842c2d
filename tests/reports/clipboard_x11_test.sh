#!/bin/sh
# Puts an export on the Windows clipboard under Wine and reads it from the X11
# clipboard with xclip, in the same X server: the exact bytes, line feeds only.
# Usage: clipboard_x11_test.sh report_driver.exe
set -u
driver=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v xclip >/dev/null || { echo "SKIPPED: xclip is not installed"; exit 77; }
command -v xvfb-run >/dev/null || { echo "SKIPPED: xvfb-run is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '01.03.2005\t08:00\t0:24\n02.03.2005\t07:45\t-1:06\n' > "$work/expected"
# Wine hands the clipboard to X11 on the display its desktop process was
# started on, which a running wine server keeps: the display the tests run on,
# else one of this script's own. wine-run starts no X server when DISPLAY is set.
put_and_read='
    "$1" "$2" clipboard || exit $?
    xclip -o -selection clipboard > "$3/x11"
'
if [ -n "${DISPLAY:-}" ]; then
    sh -c "$put_and_read" sh "$here/../../tools/wine-run" "$driver" "$work"
else
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "$put_and_read" sh "$here/../../tools/wine-run" "$driver" "$work"
fi
status=$?
[ $status -eq 0 ] || exit $status
if cmp -s "$work/expected" "$work/x11"; then
    echo "xclip -o -selection clipboard: exact"
    exit 0
fi
echo "xclip gave:"; od -c "$work/x11"
exit 1
