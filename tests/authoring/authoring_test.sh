#!/usr/bin/env bash
# The disc-authoring tool: a disc it writes verifies (verify reads the list
# with the Launcher's reader), verify finds a flipped byte, a missing and an
# extra file; bad input gets a clear error and leaves no disc behind.
set -uo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {   # what, expected status, pattern the output holds, command...
    local what=$1 status=$2 pattern=$3 out
    shift 3
    out=$("$@" 2>&1)
    if [ $? != "$status" ] || ! grep -qF -- "$pattern" <<<"$out"; then
        echo "FAILED: $what (expected status $status and '$pattern'):"; echo "$out"; failures=$((failures + 1))
    fi
}
mkdir -p "$work/data" "$work/redist" "$work/many"
head -c 300000 /dev/urandom >"$work/data/track1.dat"
: >"$work/data/empty.dat"
for f in data/common.res redist/dsetup.dll Thundra.exe race.bin debug.bin readme.txt; do
    printf 'MZ %s' "$f" >"$work/$f"
done
for i in $(seq 256); do : >"$work/many/f$i.dat"; done
make_disc() {   # data folder, out, then more options
    "$tool" make --launcher "$work/Thundra.exe" --race "$work/race.bin" --debug "$work/debug.bin" \
        --readme "$work/readme.txt" --data "$1" --out "$2" "${@:3}"
}

expect "make" 0 "" make_disc "$work/data" "$work/disc" --redist "$work/redist" --iso "$work/disc.iso"
expect "what the disc holds" 0 "" ls "$work/disc/"{autorun.inf,Thundra.exe,redist/directx7/dsetup.dll} \
    "$work/disc/Run/"{race.bin,debug.bin,readme.txt,common.res} "$work/disc.iso"
expect "verify a good disc" 0 "4 listed, 0 problems" "$tool" verify "$work/disc"
printf 'X' | dd of="$work/disc/Run/track1.dat" bs=1 seek=1000 conv=notrunc 2>/dev/null
rm "$work/disc/Run/common.res"
printf 'stray' >"$work/disc/Run/stray.dat"
for problem in "BAD track1.dat (expected" "MISSING common.res" "EXTRA stray.dat"; do
    expect "verify finds $problem" 1 "$problem" "$tool" verify "$work/disc"
done
expect "256 data files" 2 "more than 255 data files" make_disc "$work/many" "$work/d1"
expect "no disc after bad input" 2 "No such file" ls -d "$work/d1"
echo "$failures failed"
[ "$failures" -eq 0 ]
