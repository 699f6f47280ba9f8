#!/usr/bin/env bash
# Prints the speed and size figures: the shipped exe's size, the checksum
# natively, and under Wine the verified install of a 260 MB data set
# against a plain copy.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
"$root/scripts/build.sh" >/dev/null
"$root/bench/launcher-size.sh" i686-w64-mingw32-objdump "$build/i686/Thundra.exe" 40960
"$build/checksum_bench"
state=$build/wine-bench
"$root/tests/wine/session.sh" start "$state" >/dev/null
trap '"$root/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
"$root/tests/wine/run.sh" "$state" "$build/i686-tests/tests/bin/install_bench.exe" 'C:\thundra-bench'
