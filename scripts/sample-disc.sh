#!/usr/bin/env bash
# Assembles the sample disc folder from a build: the Launcher with its
# autorun marker, the demo game as the game images, the readme and the
# driver table.
#   sample-disc.sh BUILD ARCH DISC     ARCH: i686 (the shipped disc) or x86_64 (runs here)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 arch=$2 disc=$3

rm -rf "$disc"
mkdir -p "$disc/Run"
cp "$build/$arch/Thundra.exe" "$disc/Thundra.exe"
cp "$root/disc/autorun.inf" "$disc/autorun.inf"
cp "$build/$arch/game/race.bin" "$build/$arch/game/debug.bin" "$disc/Run/"
cp "$root/disc/readme.txt" "$disc/Run/readme.txt"
cp "$root/disc/drivers.dat" "$disc/Run/drivers.dat"
