#!/usr/bin/env bash
# Builds everything and runs every test: native, Win32 in process under
# Wine, and end to end through the real Launcher under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

"$root/scripts/build.sh"
# Two at a time: the fuzz targets run beside the tests under Wine.
ctest --test-dir "$build" --output-on-failure -j2 "$@"
