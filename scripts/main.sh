#!/usr/bin/env bash
# The main job: builds everything, assembles the sample disc folder and
# starts the Launcher from it under Wine, as Windows would from the disc.
#
# Without arguments it walks the road to the game unattended: the menu (a
# screenshot), Play (the robot answers the boxes on the way), the demo game's
# window for a few seconds (a screenshot). With arguments, the Launcher gets
# those instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

"$root/scripts/build.sh"

# The shipped disc carries the 32-bit build; only 64-bit Windows programs
# run on this machine, so the disc started here carries the 64-bit build of
# the same sources.
"$root/scripts/sample-disc.sh" "$build" i686 "$build/disc-i686"
"$root/scripts/sample-disc.sh" "$build" x86_64 "$build/disc"
echo "sample disc: $build/disc and $build/disc.iso (shipped form: $build/disc-i686, $build/disc-i686.iso)"

state=$build/wine-main
"$root/tests/wine/session.sh" start "$state"
trap '"$root/tests/wine/session.sh" stop "$state" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$state/env"

if [ $# -gt 0 ]; then
    set +e
    "$root/tests/wine/run.sh" "$state" "$build/disc/Thundra.exe" "$@"
    code=$?
    set -e
    echo "Launcher ended with exit code $code"
    exit 0
fi

# The robot answers what the Launcher asks on the way: it keeps the menu up
# for a screenshot and presses Play, then the demo game shows itself (it
# closes itself after its time) for a second screenshot.
script=$build/wine-main/robot-script.txt
log=$build/wine-main/robot-log.txt
printf '%s\t%s\t%s\n' \
    'Thundra' 'Thundra is not designed for Windows 2000' 'Yes' \
    'Thundra' 'Ostro would love' 'No' \
    'Our Apologies' '' 'OK' \
    'Thundra' '' '~4000|Play' >"$script"
"$root/tests/wine/run.sh" "$state" "$build/x86_64/tests/bin/robot.exe" "$(winepath -w "$script")" \
    "$(winepath -w "$log")" "$(winepath -w "$build/disc/Thundra.exe")" -close-after 6000 &
robot=$!

shots=$build/screenshots
mkdir -p "$shots"
"$root/scripts/screenshot.sh" "$DISPLAY" Thundra "$shots/menu.png" || echo "no menu to take"
sleep 5
"$root/scripts/screenshot.sh" "$DISPLAY" Thundra "$shots/game.png" || echo "no game window to take"
wait $robot || true
echo "what the Launcher showed (caption, text, buttons, answer):"
sed 's/^/  /' "$log"
echo "screenshot of the menu: $shots/menu.png"
echo "screenshot of the game: $shots/game.png"
