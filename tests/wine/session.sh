#!/usr/bin/env bash
# The Wine session of a test run: the project's session with the drives the
# tests need (and, with THUNDRA_USER, a user of that name):
#   session.sh start|stop STATE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
state=$(mkdir -p "$2" && cd "$2" && pwd)
prefix=$state/prefix
unmount() {
    ! mountpoint -q "$state/small-drive" || umount "$state/small-drive" 2>/dev/null ||
        sudo -n umount "$state/small-drive" 2>/dev/null || true
}
case $1 in
    start) unmount; THUNDRA_PREPARE_PREFIX="$0 drives" exec "$root/scripts/wine/session.sh" start "$state" ;;
    stop) unmount; exec "$root/scripts/wine/session.sh" stop "$state" ;;
    drives) ;;   # the session's hook, given STATE: the lines below, before the wineserver starts
    *) echo "usage: session.sh start|stop STATE" >&2; exit 2 ;;
esac
# Drive T: is the folder C:\thundra-drive-t, for a start from the root of
# a drive. A link made from inside Wine (DefineDosDevice) is not
# followed by its file calls.
ln -s ../drive_c/thundra-drive-t "$prefix/dosdevices/t:"
# Drive D: is a CD drive holding the folder C:\thundra-cd, for the stub
# that looks for the disc. The drive's type is read when the wineserver
# starts, so it is written into the registry file before that.
ln -s ../drive_c/thundra-cd "$prefix/dosdevices/d:"
printf '\n[Software\\\\Wine\\\\Drives] %s\n"d:"="cdrom"\n' "$(date +%s)" >>"$prefix/system.reg"
# Drive S: is a small disk of its own, 270 MB of tmpfs, for a disk that
# fills during an install and one with too little room; mounting needs
# root (or sudo), and the tests that need S: fail without it.
mkdir -p "$state/small-drive"
if mount -t tmpfs -o size=270m thundra-s "$state/small-drive" 2>/dev/null ||
    sudo -n mount -t tmpfs -o size=270m thundra-s "$state/small-drive" 2>/dev/null; then
    ln -s "$state/small-drive" "$prefix/dosdevices/s:"
else
    echo "wine session: could not mount the small drive S: (root needed)"
fi
