#!/usr/bin/env bash
# Prints the speed and size figures: the shipped exe's size, the checksum
# natively, and under Wine, natively too, the verified install of a 260 MB
# data set against a plain copy, with the checksum of each build: the
# x86_64 build always, the shipped i686 build where this machine runs
# 32-bit programs itself. Every figure says how it ran.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
"$root/scripts/build.sh" >/dev/null
"$root/bench/launcher-size.sh" i686-w64-mingw32-objdump "$build/i686/Thundra.exe" 43008
"$build/checksum_bench"
state=$build/wine-bench
"$root/scripts/wine/session.sh" start "$state" >/dev/null
trap '"$root/scripts/wine/session.sh" stop "$state" >/dev/null' EXIT
# Figures are the product's only where its code runs natively: never
# through qemu, which emulates every instruction.
echo "install, x86_64 build of the same C++, natively under 64-bit Wine:"
"$root/scripts/wine/run.sh" "$state" "$build/x86_64/tests/bin/install_bench.exe" 'C:\thundra-bench'
# The build tree's 32-bit Wine runs its loader through qemu; where this
# machine runs 32-bit programs itself, the same loader runs natively.
wine32=$build/wine32
native=$build/wine32-native
mkdir -p "$native"
printf '#!/bin/sh\nLD_LIBRARY_PATH=%s exec %s "$@"\n' "$wine32/lib/i386-linux-gnu:$wine32/usr/lib/i386-linux-gnu" \
    "$wine32/usr/lib/wine/wine-i386.elf" >"$native/wine"
chmod +x "$native/wine"
if "$native/wine" --version >/dev/null 2>&1; then
    echo "install, i686 build (the code that ships), natively under 32-bit Wine:"
    # shellcheck disable=SC1091
    (. "$state/env" && WINELOADER=$native/wine "$native/wine" "$build/i686-tests/tests/bin/install_bench.exe" 'C:\thundra-bench')
else
    echo "install, i686 build: not measured; this machine runs 32-bit programs only through qemu, whose figures say nothing of the product's speed"
fi
