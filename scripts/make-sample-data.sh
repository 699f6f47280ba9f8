#!/usr/bin/env bash
# Generates the sample game data set: a few large files and many small ones,
# common.res among them (Setup judges an installation by it).
#   make-sample-data.sh DIR [full]
# By default some 8 MB, so that a first run stays quick; "full" (or
# THUNDRA_FULL_DATA=1) makes the 260 MB the disc's labels speak of.
set -euo pipefail
dir=$1
full=${2:-${THUNDRA_FULL_DATA:-}}
rm -rf "$dir" "$dir.partial"
mkdir -p "$dir.partial"
if [ -n "$full" ] && [ "$full" != 0 ]; then large=40960 small=400 cars=240; else large=1024 small=16 cars=40; fi
# Deterministic contents, so that the disc's checksums do not change between builds.
# (yes ends on a broken pipe, by design.)
pattern() { yes "$1" | head -c "$2" || true; }
pattern "thundra common resources" $((small * 1024)) >"$dir.partial/common.res"
for track in 1 2 3 4; do
    pattern "track $track asphalt kerb gravel" $((large * 1024)) >"$dir.partial/track$track.pak"
done
for car in $(seq "$cars"); do
    pattern "car $car livery" $((small * 1024)) >"$dir.partial/car$car.tex"
done
mv "$dir.partial" "$dir"
