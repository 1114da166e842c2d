#!/usr/bin/env bash
# The decision which Windows build runs here, on a simulated machine that
# cannot run 32-bit programs (its 32-bit loader fails): 32-bit programs are
# skipped with the reason, 64-bit ones run through the 64-bit loader.
# Usage: wine_arch_test.sh STUNDWERK-CLI-64.EXE
set -u
cli=$1
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
failures=0
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
export STUNDWERK_WINE32_LOADER=/bin/false

check "the primary build is win64" test "$("$tools/wine-arch" 2>/dev/null)" = win64
check "the reason names the failed loader" \
    sh -c "'$tools/wine-arch' 2>&1 >/dev/null | grep -q 'cannot run 32-bit programs (/bin/false --version failed'"

# A 32-bit program: the PE header's machine field 0x14c is all wine-run reads.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0\x4c\x01'; } >"$work/x86.exe"
out=$("$tools/wine-run" "$work/x86.exe")
check "a 32-bit program is skipped (77)" test $? -eq 77
check "the skip names the reason" grep -q "^SKIPPED: x86.exe is a 32-bit program and this machine cannot run" <<<"$out"

setup=$(. "$tools/wine-arch" && wine_arch_setup && echo "$(command -v wine) $WINELOADER")
check "wine and WINELOADER are the 64-bit loader's" test "$setup" = "$tools/wine64/wine /usr/lib/wine/wine64"
check "a 64-bit program runs" sh -c "'$tools/wine-run' '$cli' --help | grep -q '^stundwerk-cli'"

[ "$failures" -eq 0 ]
