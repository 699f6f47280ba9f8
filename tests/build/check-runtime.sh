#!/usr/bin/env bash
# What the exe needs at run time: a GUI program (no console window), and no
# DLL but those every Windows has and loads from its system folder whatever
# lies beside the program (common controls: bound by the manifest). A
# toolchain DLL (libstdc++, libgcc, winpthread) would be missing on a
# player's machine; one such as ddraw.dll would be looked for beside the
# Launcher first, where a download may have left one.
set -euo pipefail
objdump=$1 exe=$2
headers=$("$objdump" -p "$exe")
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|msvcrt)\.dll$'
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no import table read from $exe"; exit 1; }
bad=0
for dll in $dlls; do
    if [[ $dll =~ $allowed ]]; then echo "ok   $dll"; else echo "BAD  $dll"; bad=1; fi
done
subsystem=$(sed -n 's/^Subsystem\s*//p' <<<"$headers")
echo "subsystem $subsystem"
[[ $subsystem == *"Windows GUI"* ]] || bad=1
exit $bad
