#!/usr/bin/env bash
# Checks the release files that tools/package built: the zips' contents, then
# the installer in a throwaway Wine prefix: silent install, its files and
# entries, the program starting, the CLI stamping on the same files, an update
# from an older version that keeps the data, and the silent uninstall that
# keeps them too.
# Usage: check.sh VERSION DIST-FOLDER
# Where 32-bit programs cannot run, the installer (a 32-bit program) cannot
# either: its checks are reported skipped with the reason, the zips' are run.
# Exit codes: 0 passed, 1 failed.
set -uo pipefail
version=$1
dist=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

# The program needs a display while it runs beside the checks.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

failures=0 skipped=0
expect() { # expect DESCRIPTION COMMAND...
    if "${@:2}" >/dev/null 2>&1; then
        echo "check: ok   $1"
    else
        echo "check: FAIL $1"
        failures=$((failures + 1))
        return 1
    fi
}
finish() {
    echo "check: $failures failed, $skipped skipped"
    [ "$failures" -eq 0 ]
    exit
}

# --- The zips -----------------------------------------------------------
machine_of() { # the PE machine field of a Windows program, as hex
    od -An -tx1 -j "$(($(od -An -tu4 -j 60 -N 4 "$1") + 4))" -N 2 "$1" | tr -d ' \n'
}
work=$(mktemp -d)
for arch in win32:4c01 win64:6486; do
    preset=${arch%%:*} machine=${arch##*:}
    zip_file=$dist/Stundwerk-$version-$preset.zip
    expect "$preset zip holds exactly LIESMICH.txt, Stundwerk.exe, stundwerk-cli.exe" test \
        "$(unzip -Z1 "$zip_file" | sort | tr '\n' ' ')" = \
        "Stundwerk/LIESMICH.txt Stundwerk/Stundwerk.exe Stundwerk/stundwerk-cli.exe "
    unzip -q -o "$zip_file" -d "$work/$preset"
    for exe in Stundwerk.exe stundwerk-cli.exe; do
        expect "$preset $exe machine $machine" test "$(machine_of "$work/$preset/Stundwerk/$exe")" = "$machine"
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
. "$root/tools/wine-arch"
if ! wine_arch_win32_runs; then
    echo "check: skip the installer's checks: it is a 32-bit program and $WINE_ARCH_REASON"
    skipped=$((skipped + 1))
    rm -rf "$work"
    finish
fi
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No menu files in the user's real desktop for the prefix's shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
"$root/tools/wine-prefix"
i686-w64-mingw32-gcc -O2 -o "$work/find_window.exe" "$here/find_window.c" -luser32 || exit 1

win_path() { wine cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
installdir_win="$(win_path '%LOCALAPPDATA%')\\Programs\\Stundwerk"
installdir=$(winepath -u "$installdir_win" 2>/dev/null)
startmenu=$(winepath -u "$(win_path '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs" 2>/dev/null)
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Stundwerk'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
reg_value() { # reg_value KEY NAME: the value's data
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v k="$2" '$1 == k { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
silently() { # silently PROGRAM: runs an installer or uninstaller with /S to its end
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
# The checks after an install say something only about what was installed.
expect "silent install of an older version exits 0" silently "$older" || finish

# The installed program starts and registers its main window class.
wine "$installdir/Stundwerk.exe" &
expect "Stundwerk.exe runs with a window of class \"Stundwerk\"" wine "$work/find_window.exe" Stundwerk 60
wine taskkill /f /im Stundwerk.exe >/dev/null 2>&1
wait $!
wineserver -w

# The CLI stamps into the installed folder: the settings file and the month
# plans live beside the programs.
printf '[Options]\r\nHoursPerDay=480\r\n' >"$installdir/stundwrk.ini"
expect "stundwerk-cli kommen" wine "$installdir/stundwerk-cli.exe" --today 04.03.2002 --now 08:00 kommen
plan=$installdir/032002.SW
expect "month plan 032002.SW written beside the program" grep -q '^Come=480' "$plan"
cp "$plan" "$work/plan.before" 2>/dev/null
cp "$installdir/stundwrk.ini" "$work/ini.before" 2>/dev/null
keeps_data() { cmp "$plan" "$work/plan.before" && cmp "$installdir/stundwrk.ini" "$work/ini.before"; }

expect "silent update to $version exits 0" silently "$dist/Stundwerk-$version-setup.exe" || finish
expect "update keeps the month plan and stundwrk.ini byte for byte" keeps_data
program_files=("$installdir"/{Stundwerk.exe,stundwerk-cli.exe,LIESMICH.txt,Deinstallieren.exe})
expect "installed Stundwerk.exe, stundwerk-cli.exe, LIESMICH.txt, Deinstallieren.exe" ls "${program_files[@]}"
expect "installed Stundwerk.exe is the 32-bit zip's" \
    cmp "$installdir/Stundwerk.exe" "$work/win32/Stundwerk/Stundwerk.exe"
expect "Start-menu entry" test -f "$startmenu/Stundwerk.lnk"
expect "autostart entry" test "$(reg_value "$run_key" Stundwerk)" = "\"$installdir_win\\Stundwerk.exe\""
for pair in "DisplayName=Stundwerk" "DisplayVersion=$version" "Publisher=Stundwerk-Projekt" "NoModify=0x1" \
    "NoRepair=0x1" "UninstallString=\"$installdir_win\\Deinstallieren.exe\""; do
    expect "uninstall entry $pair" test "$(reg_value "$uninstall_key" "${pair%%=*}")" = "${pair#*=}"
done
expect "uninstall entry EstimatedSize" test -n "$(reg_value "$uninstall_key" EstimatedSize)"

expect "silent uninstall exits 0" silently "$installdir/Deinstallieren.exe"
expect "uninstall removes the program files" test -z "$(ls "${program_files[@]}" 2>/dev/null)"
expect "uninstall removes the Start-menu entry" test ! -e "$startmenu/Stundwerk.lnk"
expect "uninstall removes the autostart entry" test -z "$(reg_value "$run_key" Stundwerk)"
expect "uninstall removes the uninstall entry" sh -c "! wine reg query '$uninstall_key'"
expect "uninstall keeps the month plan and stundwrk.ini byte for byte" keeps_data

finish
