#!/usr/bin/env bash
# The main job: builds everything, assembles the sample disc folder and
# starts the Launcher from it under Wine, as Windows would from the disc.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

"$root/scripts/build.sh"

# The shipped disc carries the 32-bit Launcher (build/i686/Thundra.exe);
# only 64-bit Windows programs run on this machine, so this disc carries the
# 64-bit build of the same sources.
disc=$build/disc
rm -rf "$disc"
mkdir -p "$disc/Run"
cp "$build/x86_64/Thundra.exe" "$disc/Thundra.exe"
printf '[autorun]\r\nopen=Thundra.exe\r\nicon=Thundra.exe,0\r\nlabel=Thundra\r\n' >"$disc/autorun.inf"
echo "sample disc: $disc"

state=$build/wine-main
"$root/tests/wine/session.sh" start "$state"
trap '"$root/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
set +e
"$root/tests/wine/run.sh" "$state" "$disc/Thundra.exe" "$@"
code=$?
set -e
echo "Launcher ended with exit code $code"
