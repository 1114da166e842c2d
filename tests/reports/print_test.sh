#!/bin/bash
# Prints a month plan under Wine through a private CUPS server whose default
# queue writes PDF files (cups-pdf), and reads the PDF back: pages, header
# lines, column header, rows per page, footers, copies. Renders the first page
# as PNG for a person to look at. Where cupsd cannot run here the test is
# skipped (77), never passed.
# Usage: print_test.sh report_driver.exe picture-folder
set -u
driver=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
queue=StundwerkPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; [ -f "${work:-}/log/error_log" ] && tail -n 30 "$work/log/error_log"; exit 1; }

for tool in cupsd lpadmin lpstat pdftotext pdftoppm python3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || skip "printer-driver-cups-pdf is not installed"
# The cups-pdf backend runs only under a cupsd started by root.
[ "$(id -u)" -eq 0 ] || skip "cupsd with the cups-pdf backend needs root"
machine=$(od -An -tx1 -j "$(( $(od -An -tu4 -j 60 -N 4 "$driver") + 4 ))" -N 2 "$driver" | tr -d ' ')
if [ "$machine" = "4c01" ] && ! dpkg-query -W -f='${Status}' libcups2:i386 2>/dev/null | grep -q 'ok installed'; then
    skip "32-bit Wine prints through CUPS only with libcups2:i386"
fi

work=$(mktemp -d /tmp/stundwerk-print.XXXXXX)
# The filters run as the CUPS user and must reach the spool below.
chmod 755 "$work"
mkdir -p "$work"/{conf/ppd,spool,tmp,cache,state,log,plan}
cat > "$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
CONF

cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
cupsd_pid=$!
pdf=
cleanup() {
    kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    [ -n "$pdf" ] && rm -f "$pdf"
    rm -rf "$work"
}
trap cleanup EXIT
export CUPS_SERVER=$work/cups.sock

for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd does not start here"
    sleep 0.2
done
lpstat -r 2>/dev/null | grep -q 'is running' || skip "cupsd does not answer"
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" || fail "lpadmin could not add the PDF queue"
lpadmin -d "$queue" || fail "lpadmin could not make the queue the default"

# cups-pdf writes to the PDF folder in the home of the job's user.
pdf_dir=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
touch "$work/marker"
mkdir -p "$out"
STUNDWERK_SCREENSHOTS="Z:$out" "$here/../../tools/wine-run" "$driver" print "Z:$work/plan" "Z:$work/expected.txt" ||
    fail "the driver failed"
if [ -f "$out/print_dialog.bmp" ] && convert "$out/print_dialog.bmp" "$out/print_dialog.png"; then
    rm -f "$out/print_dialog.bmp"
    echo "screenshot: $out/print_dialog.png"
fi

for _ in $(seq 120); do
    if [ -z "$(lpstat -o 2>/dev/null)" ]; then
        pdf=$(find "$pdf_dir" -maxdepth 1 -name '*.pdf' -newer "$work/marker" 2>/dev/null | head -n 1)
        [ -n "$pdf" ] && break
    fi
    sleep 0.5
done
[ -n "$pdf" ] || fail "no PDF in $pdf_dir"
echo "printed: $pdf"
pdftotext -layout "$pdf" "$work/printout.txt" || fail "pdftotext"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$out/printed_page" && echo "screenshot: $out/printed_page.png"
python3 "$here/check_printout.py" "$work/expected.txt" "$work/printout.txt" || {
    cp "$work/printout.txt" "$out/printed.txt"
    fail "the printout differs (text in $out/printed.txt)"
}
