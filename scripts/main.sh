#!/usr/bin/env bash
# The main job: builds everything, assembles the sample disc folder and
# starts the Launcher from it under Wine, as Windows would from the disc.
#
# With a screen (DISPLAY), the user gets the menu there. Without one, it runs
# under Xvfb: a screenshot of the menu is saved and the Launcher is closed.
# With arguments, the Launcher gets those instead (under Xvfb nobody answers
# its boxes then).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

"$root/scripts/build.sh"

# The shipped disc, with the 32-bit Launcher, run by the build tree's 32-bit Wine.
"$root/scripts/sample-disc.sh" "$build" i686 "$build/disc"
echo "sample disc: $build/disc and $build/disc.iso"

state=$build/wine-main
# With a screen of its own (DISPLAY reachable), the user gets the menu there.
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    export THUNDRA_DISPLAY=$DISPLAY
fi
"$root/scripts/wine/session.sh" start "$state"
trap '"$root/scripts/wine/session.sh" stop "$state" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$state/env"

if [ $# -gt 0 ] || [ -n "${THUNDRA_DISPLAY:-}" ]; then
    set +e
    "$root/scripts/wine/run.sh" "$state" "$build/disc/Thundra.exe" "$@"
    code=$?
    set -e
    echo "Launcher ended with exit code $code"
    exit 0
fi

# No screen: under Xvfb the menu is photographed, then the session ends
# and the Launcher with it.
"$root/scripts/wine/run.sh" "$state" "$build/disc/Thundra.exe" &
shots=$build/screenshots
mkdir -p "$shots"
"$root/scripts/screenshot.sh" "$DISPLAY" Thundra "$shots/menu.png" || echo "no menu to take"
echo "screenshot of the menu: $shots/menu.png"
