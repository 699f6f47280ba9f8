#!/usr/bin/env bash
# Starts the Launcher from the sample disc with "-noautoplay" under Xvfb: the
# robot answers the boxes on the way, the demo game's window appears and is
# photographed (build/screenshots/game.png), and closes itself after 6 s.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
"$root/scripts/build.sh" >/dev/null
"$root/scripts/sample-disc.sh" "$build" x86_64 "$build/disc" >/dev/null
state=$build/wine-game
"$root/tests/wine/session.sh" start "$state" >/dev/null
trap '"$root/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$state/env"
script=$state/robot-script.txt
log=$state/robot-log.txt
printf '%s\t%s\t%s\n' 'Thundra' 'Thundra is not designed for Windows 2000' 'Yes' >"$script"
"$root/tests/wine/run.sh" "$state" "$build/x86_64/tests/bin/robot.exe" "$(winepath -w "$script")" \
    "$(winepath -w "$log")" "$(winepath -w "$build/disc/Thundra.exe")" -noautoplay -close-after 6000 &
robot=$!
mkdir -p "$build/screenshots"
"$root/scripts/screenshot.sh" "$DISPLAY" Thundra "$build/screenshots/game.png" || echo "no game window to take"
wait $robot || true
sed 's/^/  /' "$log"
echo "screenshot of the game: $build/screenshots/game.png"
