#!/usr/bin/env bash
# Every installed file is on the disk before common.res takes its name: a
# trace of the install's processes (FlushFileBuffers is an fsync of the
# Launcher's own) and of the wineserver (which performs the renames),
# compared by time. One install with nobody at the keyboard, taken away
# again with the stub the restart deletes.
#   flush_trace.sh STATE LAUNCHER   (a disc's Thundra.exe)
set -uo pipefail
# shellcheck disable=SC1091
. "$1/env"
work=$(mktemp -d)
trap 'kill %1 2>/dev/null; rm -rf "$work"' EXIT
# The session's wineserver works in a folder Wine names after the prefix.
folder=server-$(printf %x "$(stat -c %d "$WINEPREFIX")")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
server=$(for p in /proc/[0-9]*; do
    [[ "$(readlink "$p/cwd" 2>/dev/null)" == */"$folder" ]] && basename "$p"
done | head -1)
strace -p "${server:?no wineserver for $WINEPREFIX}" -tt -e trace=rename,renameat,renameat2 -o "$work/server" \
    2>/dev/null &
for _ in $(seq 100); do [ "$(awk '/^TracerPid/ {print $2}' "/proc/$server/status")" = 0 ] || break; sleep 0.05; done
run=$(dirname "$0")/../../scripts/wine/run.sh
strace -f --seccomp-bpf -tt -y -e trace=fsync,fdatasync -o "$work/launcher" \
    "$run" "$1" "$2" -setup -silent -links none -dir 'C:\thundra-flush' || exit 1
"$run" "$1" 'C:\Program Files (x86)\Orvane\Thundra\Thunx.exe' -uninstall -silent &&
    "$run" "$1" wineboot.exe -r && rm -rf "$WINEPREFIX/drive_c/thundra-flush" || exit 1
# The list and common.res.
named=$(grep -E 'rename.*/Data/common\.res\.part".*/Data/common\.res"' "$work/server" | awk '{print $1}' | head -1)
failures=0
for name in checksum.lst common.res.part; do
    flushed=$(grep -E "f(data)?sync\([0-9]+<[^>]*/Data/${name//./\\.}>\)" "$work/launcher" | awk '{print $2}' | head -1)
    [[ -n "$flushed" && -n "$named" && "$flushed" < "$named" ]] || failures=$((failures + 1))
    echo "$name flushed at ${flushed:-never}, common.res named at ${named:-never}"
done
[ "$failures" -eq 0 ]
