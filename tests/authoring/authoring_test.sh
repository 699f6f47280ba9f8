#!/usr/bin/env bash
# The disc-authoring tool: a disc it writes verifies, its list round-trips
# through the Launcher's reader (verify reads it with that code), and the
# verify command finds a flipped byte, a missing file and an extra file; bad
# input gets a clear error and leaves no disc behind.
set -uo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0 failures=0
check() {   # what, expected status, actual status
    if [ "$2" = "$3" ]; then echo "ok: $1"; passes=$((passes + 1)); else echo "FAILED: $1 (status $3, expected $2)"; failures=$((failures + 1)); fi
}
contains() {   # what, text, pattern
    if grep -qF -- "$3" <<<"$2"; then echo "ok: $1"; passes=$((passes + 1)); else echo "FAILED: $1: no '$3' in:"; echo "$2"; failures=$((failures + 1)); fi
}

mkdir -p "$work/data" "$work/redist"
printf 'common resources' >"$work/data/common.res"
head -c 300000 /dev/urandom >"$work/data/track1.dat"
: >"$work/data/empty.dat"
printf 'dsetup' >"$work/redist/dsetup.dll"
printf 'MZ launcher' >"$work/Thundra.exe"
printf 'MZ race' >"$work/race.bin"
printf 'MZ debug' >"$work/debug.bin"
printf 'readme' >"$work/readme.txt"
make_disc() {   # out, then more options
    local out=$1
    shift
    "$tool" make --launcher "$work/Thundra.exe" --race "$work/race.bin" --debug "$work/debug.bin" \
        --data "$work/data" --out "$out" --readme "$work/readme.txt" "$@"
}

out=$(make_disc "$work/disc" --redist "$work/redist" --iso "$work/disc.iso" 2>&1); check "make" 0 $?
for f in autorun.inf Thundra.exe Run/race.bin Run/debug.bin Run/common.res Run/track1.dat Run/empty.dat \
    Run/checksum.lst Run/readme.txt redist/directx7/dsetup.dll; do
    [ -f "$work/disc/$f" ]; check "disc holds $f" 0 $?
done
contains "autorun.inf opens the Launcher" "$(cat "$work/disc/autorun.inf")" "open=Thundra.exe"
contains "the list names the empty file with its checksum" "$(cat "$work/disc/Run/checksum.lst")" "empty.dat a3b4c15"
contains "the list names itself" "$(cat "$work/disc/Run/checksum.lst")" "checksum.lst 0"
[ -s "$work/disc.iso" ]; check "ISO image written" 0 $?
if command -v xorriso >/dev/null; then
    contains "the image has Joliet names" "$(xorriso -indev "$work/disc.iso" -find / -name checksum.lst 2>/dev/null)" "checksum.lst"
fi

out=$("$tool" verify "$work/disc" 2>&1); check "verify a good disc" 0 $?
contains "verify counts the list" "$out" "4 listed, 0 problems"

printf 'X' | dd of="$work/disc/Run/track1.dat" bs=1 seek=1000 conv=notrunc 2>/dev/null
rm "$work/disc/Run/common.res"
printf 'stray' >"$work/disc/Run/stray.dat"
out=$("$tool" verify "$work/disc" 2>&1); check "verify a damaged disc" 1 $?
contains "a flipped byte" "$out" "BAD track1.dat (expected"
contains "a missing file" "$out" "MISSING common.res"
contains "an extra file" "$out" "EXTRA stray.dat"

# Bad input: a clear error, no disc.
out=$("$tool" make --launcher "$work/Thundra.exe" --race "$work/race.bin" --debug "$work/debug.bin" \
    --data "$work/nothing" --out "$work/d1" 2>&1); check "missing data folder" 2 $?
contains "missing data folder says so" "$out" "no such folder"
[ ! -e "$work/d1" ] && [ ! -e "$work/d1.partial" ]; check "no disc after a missing folder" 0 $?

printf 'x' >"$work/data/with blank.dat"
out=$(make_disc "$work/d2" 2>&1); check "a name with a blank" 2 $?
contains "the blank is named" "$out" "with blank.dat"
[ ! -e "$work/d2" ] && [ ! -e "$work/d2.partial" ]; check "no disc after a blank" 0 $?
rm "$work/data/with blank.dat"

long=$(printf 'n%.0s' $(seq 64))
printf 'x' >"$work/data/$long"
out=$(make_disc "$work/d3" 2>&1); check "a name over 63 characters" 2 $?
[ ! -e "$work/d3" ]; check "no disc after a long name" 0 $?
rm "$work/data/$long"

mkdir "$work/many"
for i in $(seq 256); do : >"$work/many/f$i.dat"; done
out=$("$tool" make --launcher "$work/Thundra.exe" --race "$work/race.bin" --debug "$work/debug.bin" \
    --data "$work/many" --out "$work/d4" 2>&1); check "256 data files" 2 $?
contains "too many files says so" "$out" "more than 255 data files"
rm "$work/many/f256.dat"
out=$("$tool" make --launcher "$work/Thundra.exe" --race "$work/race.bin" --debug "$work/debug.bin" \
    --data "$work/many" --out "$work/d5" 2>&1); check "255 data files" 0 $?
out=$("$tool" verify "$work/d5" 2>&1); check "verify 256 listed" 0 $?

out=$(make_disc "$work/disc" 2>&1); check "an existing disc is not overwritten" 2 $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
