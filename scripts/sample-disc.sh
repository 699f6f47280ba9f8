#!/usr/bin/env bash
# Writes the sample disc with the disc-authoring tool: the Launcher with its
# autorun marker, the demo game as the game images, the generated data set
# with its checksum list, the readme and the driver table; and its ISO image.
#   sample-disc.sh BUILD ARCH DISC     ARCH: i686, the shipped disc
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 arch=$2 disc=$3

data=$build/sample-data
[ -d "$data" ] || "$root/scripts/make-sample-data.sh" "$data"
rm -rf "$disc" "$disc.iso"
"$build/thundra-disc" make --launcher "$build/$arch/Thundra.exe" \
    --race "$build/$arch/game/race.bin" --debug "$build/$arch/game/debug.bin" \
    --data "$data" --readme "$root/disc/readme.txt" --drivers "$root/disc/drivers.dat" \
    --out "$disc" --iso "$disc.iso"
