#!/usr/bin/env bash
# The disc's start program must stay small: prints its sections and its
# size without resources (the artwork) against the goal in bytes.
#   launcher-size.sh OBJDUMP EXE GOAL
set -euo pipefail
objdump=$1 exe=$2 limit=$3
total=$(stat -c %s "$exe")
rsrc=0
# objdump -h rows: Idx Name Size VMA LMA File-off Algn, Size in hexadecimal.
while read -r idx name size _; do
    [[ $idx =~ ^[0-9]+$ ]] || continue
    printf '  %-8s %7d bytes\n' "$name" $(( 16#$size ))
    [ "$name" = .rsrc ] && rsrc=$(( 16#$size ))
done < <("$objdump" -h "$exe")
code=$(( total - rsrc ))
echo "exe $total bytes, .rsrc $rsrc bytes, without resources $code bytes (goal: at most $limit)"
