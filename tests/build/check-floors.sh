#!/usr/bin/env bash
# Includes run down only: the ground includes nothing of the floors, the
# middle floors only the ground, and the top whatever it needs.
set -euo pipefail
cd "$1"
allowed() {
    case $1 in
    base) echo 'base|resources' ;;
    setup | preflight | crashreport) echo "$1|base|resources" ;;
    esac
}
status=0
for floor in base setup preflight crashreport; do
    if grep -n -E '#include "' $floor/*.cpp $floor/*.h | grep -v -E "#include \"($(allowed $floor))/"; then
        status=1
    fi
done
exit $status
