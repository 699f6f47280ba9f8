#!/usr/bin/env bash
# Fails when the exe imports anything but DLLs that every Windows has: a
# toolchain DLL (libstdc++, libgcc, winpthread) would be missing on a player's
# machine.
set -euo pipefail
objdump=$1 exe=$2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|comdlg32|msvcrt|version|ddraw)\.dll$'
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no import table read from $exe"; exit 1; }
bad=0
for dll in $dlls; do
    if [[ $dll =~ $allowed ]]; then echo "ok   $dll"; else echo "BAD  $dll"; bad=1; fi
done
exit $bad
