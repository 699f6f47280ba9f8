#!/usr/bin/env bash
# Plants each fault of tests/mutants in turn, rebuilds, runs the whole suite
# and says whether the suite caught it. Not part of the test command.
#   scripts/mutants.sh [PATCH...]      (default: every tests/mutants/*.patch)
# The tree must be clean; every patch is taken out again, also on Ctrl-C.
# The table goes to stdout and to $build/mutants.txt.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
cd "$root"
[ $# -gt 0 ] || set -- "$root"/tests/mutants/*.patch
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "mutants: the work tree has changes; commit or stash them first" >&2
    exit 2
fi
applied=""
trap '[ -z "$applied" ] || git apply -R -p0 --unidiff-zero "$applied"' EXIT
mkdir -p "$build"
table=$build/mutants.txt
# A test program stops at its first failure: a caught fault needs no more.
export GTEST_FAIL_FAST=1

# The suite on the tree as it is: "passed", or the names of what failed.
run_suite() {
    local log=$build/mutants-last.log
    if ! "$root/scripts/build.sh" >"$log" 2>&1; then
        echo "build failed"
        return
    fi
    ctest --test-dir "$build" -j2 --stop-on-failure --output-on-failure >>"$log" 2>&1
    local status=$?
    "$root/tests/wine/session.sh" stop "$build/wine" >/dev/null 2>&1
    if [ $status -eq 0 ]; then
        echo "passed"
        return
    fi
    grep -E '^\[  FAILED  \] [A-Za-z0-9_]+\.[A-Za-z0-9_/]+|^\s+[0-9]+ - ' "$log" |
        sed -E 's/^\[  FAILED  \] ([^ ]+).*/\1/; s/^\s+[0-9]+ - ([^ ]+).*/\1/' | sort -u | tr '\n' ' '
}

baseline=$(run_suite)
if [ "$baseline" != "passed" ]; then
    echo "mutants: the suite fails without any fault: $baseline" >&2
    exit 1
fi
: >"$table"
for patch in "$@"; do
    name=$(basename "$patch" .patch)
    git apply -p0 --unidiff-zero "$patch" || { echo "$name: does not apply" | tee -a "$table"; continue; }
    applied=$patch
    result=$(run_suite)
    git apply -R -p0 --unidiff-zero "$patch"
    applied=""
    case $result in
        passed) line="missed  $name  ($(sed -n '1s/^# //p' "$patch"))" ;;
        "build failed") line="build   $name  failed to build" ;;
        *) line="caught  $name  by $result" ;;
    esac
    echo "$line" | tee -a "$table"
done
echo "caught $(grep -c '^caught' "$table") of $(grep -c . "$table")" | tee -a "$table"
