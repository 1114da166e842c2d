#!/bin/bash
# Prints a month plan under Wine through a private CUPS server whose default
# queue writes PDF files (cups-pdf), and reads the PDF back: pages, header
# lines, column header, rows per page, footers, copies, against the lines the
# printing test expects, and a long remark in full. Renders the first page
# as PNG for a person to look at. Where cupsd cannot run here the test is
# skipped (77), never passed.
# Usage: print_test.sh dialogs_tests.exe picture-folder
set -uo pipefail
tests=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; tail -n 30 "$work/error_log" 2>/dev/null; exit 1; }

for tool in cupsd lpadmin lpstat pdftotext pdftoppm iconv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || skip "printer-driver-cups-pdf is not installed"
# The cups-pdf backend runs only under a cupsd started by root.
[ "$(id -u)" -eq 0 ] || skip "cupsd with the cups-pdf backend needs root"
machine=$(od -An -tx1 -j "$(( $(od -An -tu4 -j 60 -N 4 "$tests") + 4 ))" -N 2 "$tests" | tr -d ' ')
if [ "$machine" = 4c01 ] && ! dpkg-query -W -f='${Status}' libcups2:i386 2>/dev/null | grep -q 'ok installed'; then
    skip "32-bit Wine prints through CUPS only with libcups2:i386"
fi

work=$(mktemp -d /tmp/stundwerk-print.XXXXXX)
# The filters run as the CUPS user and must reach the spool below.
chmod 755 "$work"
mkdir -p "$work"/{ppd,spool,tmp,cache,state}
printf '%s\n' "Listen $work/cups.sock" 'WebInterface No' 'Browsing No' 'DefaultAuthType None' \
    '<Policy default>' '<Limit All>' 'Order deny,allow' '</Limit>' '</Policy>' >"$work/cupsd.conf"
printf '%s\n' "ServerRoot $work" "RequestRoot $work/spool" "TempDir $work/tmp" "CacheDir $work/cache" \
    "StateDir $work/state" "ErrorLog $work/error_log" "AccessLog $work/access_log" "PageLog $work/page_log" \
    'SystemGroup root' >"$work/cups-files.conf"
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
pdf=
trap 'kill $cupsd_pid 2>/dev/null && wait $cupsd_pid; rm -rf "$work" ${pdf:+"$pdf"}' EXIT
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd does not start here"
    sleep 0.2
done
lpstat -r 2>/dev/null | grep -q 'is running' || skip "cupsd does not answer"
lpadmin -p StundwerkPDF -E -v cups-pdf:/ -P "$ppd" && lpadmin -d StundwerkPDF ||
    fail "lpadmin could not add the PDF queue as the default"

# cups-pdf writes to the PDF folder in the home of the job's user.
pdf_dir=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
touch "$work/marker"
STUNDWERK_PRINT_EXPECTED="Z:$work/expected.txt" sh "$here/../support/screenshots.sh" "$tests" "$out" \
    "--gtest_filter=ReportPlanTest.PrintsTwoCopies*" || fail "the print test failed"
for _ in $(seq 120); do
    if [ -z "$(lpstat -o 2>/dev/null)" ]; then
        pdf=$(find "$pdf_dir" -maxdepth 1 -name '*.pdf' -newer "$work/marker" 2>/dev/null | head -n 1)
        [ -n "$pdf" ] && break
    fi
    sleep 0.5
done
[ -n "$pdf" ] || fail "no PDF in $pdf_dir"
echo "printed: $pdf"
# The lines of each page as words (pdftotext spaces them by its own measure),
# each page ended by a form feed.
words() { tr -s ' \t' '  ' | sed 's/\f/\n\f\n/g' | sed 's/^ //; s/ $//; /^$/d'; }
pdftotext -layout "$pdf" - | words >"$work/printed.txt" || fail "pdftotext"
iconv -f CP1252 -t UTF-8 "$work/expected.txt" | words >"$work/wanted.txt"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$out/printed_page" && echo "screenshot: $out/printed_page.png"
grep -qF "Kundentermin in Hamburg, Anreise" "$work/printed.txt" || fail "the long remark is cut"
diff "$work/wanted.txt" "$work/printed.txt" >"$out/printout.diff" || fail "the printout differs: $out/printout.diff"
