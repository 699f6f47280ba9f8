#!/usr/bin/env bash
# What the exe needs at run time: a GUI program (no console window), and no
# DLL but those every Windows has and loads from its system folder whatever
# lies beside the program (common controls: bound by the manifest). A
# toolchain DLL (libstdc++, libgcc, winpthread) would be missing on a
# player's machine; one such as ddraw.dll would be looked for beside the
# Launcher first, where a download may have left one. With "386", no
# instruction a 386 lacks but the checksum's MMX, which asks first.
set -euo pipefail
headers=$("$1" -p "$2")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
echo "imports:" $dlls; echo "$headers" | grep '^Subsystem'
system='(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|msvcrt)\.dll'
[ -n "$dlls" ] && ! grep -v -x -E "$system" <<<"$dlls" && grep -q '^Subsystem.*Windows GUI' <<<"$headers" || exit 1
later='\s(cmov|fcomi|fucomi|bswap|cmpxchg|xadd|rdtsc|sfence|lfence|mfence)'
if [ "${3:-}" = 386 ] && "$1" -d "$2" | grep -E "$later"; then
    exit 1
fi
