#!/usr/bin/env bash
# Builds everything: the native tests, the shipped 32-bit Launcher with its
# tests and doubles, and the 64-bit build of the same sources as a compile check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

"$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
fi
cmake --build "$build"
