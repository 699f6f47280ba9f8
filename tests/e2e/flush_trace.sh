#!/usr/bin/env bash
# Every installed file is on the disk before common.res takes its name: a
# trace of the install's processes (FlushFileBuffers is an fsync of the
# Launcher's own) and of the wineserver (which performs the renames),
# compared by time.
#   flush_trace.sh STATE E2E_TESTS_EXE
set -uo pipefail
state=$1 tests=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck disable=SC1091
. "$state/env"
work=$(mktemp -d)
watcher=""
trap '[ -z "$watcher" ] || kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT
# The session's wineserver works in a folder Wine names after the prefix.
serverDir=server-$(printf %x "$(stat -c %d "$WINEPREFIX")")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
server=$(for p in /proc/[0-9]*; do [[ "$(readlink "$p/cwd" 2>/dev/null)" == */"$serverDir" ]] && basename "$p"; done | head -1)
[ -n "$server" ] || { echo "no wineserver for $WINEPREFIX"; exit 1; }
strace -p "$server" -tt -e trace=rename,renameat,renameat2 -o "$work/server" 2>/dev/null &
watcher=$!
for _ in $(seq 100); do [ "$(awk '/^TracerPid/ {print $2}' "/proc/$server/status")" = 0 ] || break; sleep 0.05; done
strace -f -tt -y -e trace=fsync,fdatasync -o "$work/launcher" \
    "$root/scripts/wine/run.sh" "$state" "$tests" --gtest_filter=E2E.AnInstallForTheFlushTrace || exit 1
kill "$watcher"; wait "$watcher" 2>/dev/null; watcher=""
# The time common.res got its name, then each file's last flush before it.
named=$(grep -E 'rename.*/Data/common\.res\.part".*/Data/common\.res"' "$work/server" | awk '{print $1}' | tail -1)
[ -n "$named" ] || { echo "no rename of common.res.part:"; cat "$work/server"; exit 1; }
failures=0
for name in checksum.lst d0.dat d1.dat d3.dat common.res.part; do
    flushed=$(grep -E "f(data)?sync\([0-9]+<[^>]*/Data/${name//./\\.}>\)" "$work/launcher" | awk '{print $2}' | head -1)
    if [ -z "$flushed" ] || [[ ! "$flushed" < "$named" ]]; then
        echo "FAILED: $name flushed at '${flushed:-never}', common.res named at $named"
        failures=$((failures + 1))
    else
        echo "ok   $name flushed at $flushed, before $named"
    fi
done
[ "$failures" -eq 0 ]
