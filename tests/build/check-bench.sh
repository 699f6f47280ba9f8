#!/usr/bin/env bash
# The install benchmark, once on a small data set: it ends well and prints
# every figure. How fast is never judged here.
#   check-bench.sh COMMAND...   (the benchmark's command line, --small)
set -uo pipefail
out=$("$@" 2>&1)
status=$?
echo "$out"
n='[0-9]+(\.[0-9]+)?'
for figure in "data set: +$n files, $n MB" \
    "round 1: install $n s \(flushed $n s\), verified copy $n s, plain copy $n s" \
    "verified install \(engine, progress dialog\): $n s \( *$n MB/s\), $n times the plain copy, $n times the verified" \
    "verified copy, no dialog: +$n s \( *$n MB/s\), $n times the plain copy" \
    "plain fread/fwrite copy: +$n s \( *$n MB/s\)" \
    "every file flushed to the disk, as it ships: $n s, $n times the install without" \
    "checksum in this build \(.+\): $n MB/s seven bytes at a time, $n MB/s byte by byte, $n times"; do
    grep -q -E "$figure" <<<"$out" || { echo "check-bench: no figure like: $figure"; status=1; }
done
! grep -q -E 'FAILED|box:' <<<"$out" || status=1
exit $status
