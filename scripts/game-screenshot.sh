#!/usr/bin/env bash
# Starts the demo game of the sample disc under Xvfb: its window is
# photographed (build/screenshots/game.png) and closes itself after 6 s.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
"$root/scripts/build.sh" >/dev/null
"$root/scripts/sample-disc.sh" "$build" i686 "$build/disc" >/dev/null
state=$build/wine-game
"$root/scripts/wine/session.sh" start "$state" >/dev/null
trap '"$root/scripts/wine/session.sh" stop "$state" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$state/env"
# The demo game started as the Launcher starts it: from the disc's Run folder.
cp "$build/disc/Run/race.bin" "$state/thun.exe"
(cd "$build/disc/Run" && "$root/scripts/wine/run.sh" "$state" "$state/thun.exe" -close-after 6000) &
mkdir -p "$build/screenshots"
"$root/scripts/screenshot.sh" "$DISPLAY" Thundra "$build/screenshots/game.png" || echo "no game window to take"
wait $! || true
echo "screenshot of the game: $build/screenshots/game.png"
