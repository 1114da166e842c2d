#!/usr/bin/env bash
# Checks the release files that tools/package built: the zips' contents, then
# the installer in a throwaway Wine prefix: silent install, its files and
# entries, the program starting, the CLI stamping on the same files, an update
# from an older version that keeps the data, and the silent uninstall that
# keeps them too.
# Usage: check.sh VERSION DIST-FOLDER
# Exit codes: 0 passed, 1 failed, 77 skipped (no 32-bit Wine).
set -uo pipefail
version=$1
dist=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIPPED: the installer is a 32-bit program and 32-bit Wine (wine32) is not installed"
    exit 77
fi
# The program needs a display while it runs beside the checks.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

failures=0
pass() { echo "check: ok   $*"; }
fail() {
    echo "check: FAIL $*"
    failures=$((failures + 1))
}
expect() { # expect DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}

# --- The zips -----------------------------------------------------------
machine_of() { # the PE machine field of a Windows program, as hex
    od -An -tx1 -j "$(($(od -An -tu4 -j 60 -N 4 "$1") + 4))" -N 2 "$1" | tr -d ' \n'
}
expected_list=$'Stundwerk/LIESMICH.txt\nStundwerk/Stundwerk.exe\nStundwerk/stundwerk-cli.exe'
work=$(mktemp -d)
for arch in win32:4c01 win64:6486; do
    preset=${arch%%:*} machine=${arch##*:}
    zip_file=$dist/Stundwerk-$version-$preset.zip
    if [ ! -f "$zip_file" ]; then
        fail "$zip_file exists"
        continue
    fi
    list=$(unzip -Z1 "$zip_file" | sort)
    if [ "$list" = "$expected_list" ]; then pass "$preset zip holds exactly $(echo $list)"; else fail "$preset zip contents: $list"; fi
    unzip -q -o "$zip_file" -d "$work/$preset"
    for exe in Stundwerk.exe stundwerk-cli.exe; do
        got=$(machine_of "$work/$preset/Stundwerk/$exe")
        if [ "$got" = "$machine" ]; then pass "$preset $exe machine $got"; else fail "$preset $exe machine $got, not $machine"; fi
    done
    readme=$work/$preset/Stundwerk/LIESMICH.txt
    expect "$preset LIESMICH.txt names version $version" grep -q "Stundwerk $version" "$readme"
    expect "$preset LIESMICH.txt has CRLF line ends only" test "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")"
    expect "$preset LIESMICH.txt is Windows-1252 (umlauts)" grep -q $'f\xfcr' "$readme"
done
# The program's VERSIONINFO carries the same version (UTF-16 text).
version_utf16=$(printf '%s' "$version" | iconv -f ASCII -t UTF-16LE | od -An -tx1 | tr -d ' \n')
expect "Stundwerk.exe VERSIONINFO is $version" \
    sh -c "od -An -tx1 -v '$work/win32/Stundwerk/Stundwerk.exe' | tr -d ' \n' | grep -q '$version_utf16'"

# --- The installer in a throwaway Wine prefix ----------------------------
setup=$dist/Stundwerk-$version-setup.exe
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No menu files in the user's real desktop for the prefix's shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
"$root/tools/wine-prefix"
i686-w64-mingw32-gcc -O2 -o "$work/find_window.exe" "$here/find_window.c" -luser32 || exit 1

win_path() { wine cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
installdir_win="$(win_path '%LOCALAPPDATA%')\\Programs\\Stundwerk"
installdir=$(winepath -u "$installdir_win" 2>/dev/null)
startmenu=$(winepath -u "$(win_path '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs" 2>/dev/null)
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Stundwerk'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v k="$2" '$1 == k { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
install() { # install SETUP-FILE
    wine "$1" /S
    local rc=$?
    wineserver -w
    return $rc
}

# An older version first, built from the same program files: the update below
# must keep the data it leaves and renew every entry.
older=$work/Stundwerk-0.0.1-setup.exe
makensis -V1 -INPUTCHARSET UTF8 -DVERSION=0.0.1 -DSTAGE="$dist/stage/win32/Stundwerk" -DOUTFILE="$older" \
    "$root/packaging/stundwerk.nsi" || exit 1
expect "silent install of an older version exits 0" install "$older"
expect "older version registered" test "$(reg_value "$uninstall_key" DisplayVersion)" = 0.0.1

# The installed program starts and registers its main window class.
wine "$installdir/Stundwerk.exe" &
program=$!
expect "Stundwerk.exe runs with a window of class \"Stundwerk\"" wine "$work/find_window.exe" Stundwerk 60
wine taskkill /f /im Stundwerk.exe >/dev/null 2>&1
wait "$program" 2>/dev/null
wineserver -w

# The CLI stamps into the installed folder: the settings file and the month
# plans live beside the programs.
printf '[Options]\r\nHoursPerDay=480\r\n' >"$installdir/stundwrk.ini"
expect "stundwerk-cli kommen" wine "$installdir/stundwerk-cli.exe" --today 04.03.2002 --now 08:00 kommen
plan=$installdir/032002.SW
expect "month plan 032002.SW written beside the program" grep -q '^Come=480' "$plan"
cp "$plan" "$work/plan.before"
cp "$installdir/stundwrk.ini" "$work/ini.before"

expect "silent update to $version exits 0" install "$setup"
expect "update keeps the month plan byte for byte" cmp "$plan" "$work/plan.before"
expect "update keeps stundwrk.ini byte for byte" cmp "$installdir/stundwrk.ini" "$work/ini.before"
for file in Stundwerk.exe stundwerk-cli.exe LIESMICH.txt Deinstallieren.exe; do
    expect "installed $file" test -f "$installdir/$file"
done
expect "installed Stundwerk.exe is the 32-bit zip's" cmp "$installdir/Stundwerk.exe" "$work/win32/Stundwerk/Stundwerk.exe"
expect "Start-menu entry" test -f "$startmenu/Stundwerk.lnk"
expect "autostart entry" test "$(reg_value "$run_key" Stundwerk)" = "\"$installdir_win\\Stundwerk.exe\""
for pair in "DisplayName=Stundwerk" "DisplayVersion=$version" "Publisher=Stundwerk-Projekt" "NoModify=0x1" "NoRepair=0x1"; do
    got=$(reg_value "$uninstall_key" "${pair%%=*}")
    if [ "$got" = "${pair#*=}" ]; then pass "uninstall entry $pair"; else fail "uninstall entry ${pair%%=*}: '$got'"; fi
done
expect "uninstall entry UninstallString" test "$(reg_value "$uninstall_key" UninstallString)" = "\"$installdir_win\\Deinstallieren.exe\""
expect "uninstall entry EstimatedSize" test -n "$(reg_value "$uninstall_key" EstimatedSize)"

uninstall() {
    wine "$installdir/Deinstallieren.exe" /S
    local rc=$?
    wineserver -w
    return $rc
}
expect "silent uninstall exits 0" uninstall
for file in Stundwerk.exe stundwerk-cli.exe LIESMICH.txt Deinstallieren.exe; do
    expect "uninstall removes $file" test ! -e "$installdir/$file"
done
expect "uninstall removes the Start-menu entry" test ! -e "$startmenu/Stundwerk.lnk"
expect "uninstall removes the autostart entry" test -z "$(reg_value "$run_key" Stundwerk)"
expect "uninstall removes the uninstall entry" sh -c "! wine reg query '$uninstall_key'"
expect "uninstall keeps the month plan byte for byte" cmp "$plan" "$work/plan.before"
expect "uninstall keeps stundwrk.ini byte for byte" cmp "$installdir/stundwrk.ini" "$work/ini.before"

if [ "$failures" -eq 0 ]; then
    echo "check: all passed"
    exit 0
fi
echo "check: $failures failed"
exit 1
