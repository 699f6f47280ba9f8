#!/usr/bin/env bash
# robot.exe, the robot for scripts: it answers the Launcher's boxes from a
# script file and logs what it saw; a box the script does not expect fails
# the run instead of hanging it.
#   robot_script_test.sh STATE ROBOT_EXE LAUNCHER_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=$1 robot=$2 launcher=$3
# shellcheck disable=SC1091
. "$state/env"
disc=$WINEPREFIX/drive_c/thundra-robot-script
trap 'rm -rf "$disc"' EXIT
rm -rf "$disc"
mkdir -p "$disc"
cp "$launcher" "$disc/Thundra.exe"
printf '[autorun]\r\nopen=Thundra.exe\r\n' >"$disc/autorun.inf"
too_long=$(printf 'a%.0s' $(seq 512))
win='C:\thundra-robot-script'
failures=0

check() {
    local what=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        echo "  expected: $expected"
        echo "  actual:   $actual"
        failures=$((failures + 1))
    fi
}

printf 'Our Apologies\tThe command line is too long.\tOK\n' >"$disc/script.txt"
status=0
"$here/../wine/run.sh" "$state" "$robot" "$win\\script.txt" "$win\\log.txt" "$win\\Thundra.exe" "$too_long" || status=$?
check "scripted box: robot's status" 0 "$status"
check "scripted box: the log" \
    "$(printf 'Our Apologies\tThe command line is too long.\tOK\tOK\nexit 0')" "$(tr -d '\r' <"$disc/log.txt")"

: >"$disc/script.txt"
status=0
"$here/../wine/run.sh" "$state" "$robot" "$win\\script.txt" "$win\\log.txt" "$win\\Thundra.exe" "$too_long" || status=$?
check "unexpected box: robot's status" 1 "$status"
check "unexpected box: the log's first line" \
    "$(printf 'Our Apologies\tThe command line is too long.\tOK\t(unexpected)')" "$(tr -d '\r' <"$disc/log.txt" | head -n 1)"

[ "$failures" -eq 0 ]
