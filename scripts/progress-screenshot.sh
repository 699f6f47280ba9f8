#!/usr/bin/env bash
# Shows the file engine's progress dialog at work, slowed down, under Xvfb,
# and saves a screenshot of it in build/screenshots/progress.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
"$root/scripts/build.sh" >/dev/null
state=$build/wine-progress
"$root/scripts/wine/session.sh" start "$state" >/dev/null
trap '"$root/scripts/wine/session.sh" stop "$state" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$state/env"
"$root/scripts/wine/run.sh" "$state" "$build/i686-tests/tests/bin/install_bench.exe" 'C:\thundra-bench' --show >/dev/null &
bench=$!
mkdir -p "$build/screenshots"
sleep 3   # past the first file's start
"$root/scripts/screenshot.sh" "$DISPLAY" "Installing files... - " "$build/screenshots/progress.png"
wait $bench || true
echo "screenshot of the progress dialog: $build/screenshots/progress.png"
