#!/usr/bin/env bash
# Plants each fault of tests/mutants in turn, rebuilds, runs the whole suite
# and says whether the suite caught it. Not part of the test command.
#   scripts/mutants.sh [FAULT.sed...]      (default: every tests/mutants/*.sed)
# A fault is a sed script of one command that changes one line of the file
# its "# file:" line names, and nothing when that line is no longer there.
# The tree must be clean; every fault is taken out again, also on Ctrl-C.
# The table goes to stdout and to $build/mutants.txt.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}
cd "$root"
[ $# -gt 0 ] || set -- "$root"/tests/mutants/*.sed
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "mutants: the work tree has changes; commit or stash them first" >&2
    exit 2
fi
applied=""
trap '[ -z "$applied" ] || git checkout -q -- "$applied"' EXIT
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
    # A run stopped at its first failure skips the sessions' own cleanup.
    for session in wine wine-e2e wine-profile wine-ja; do
        "$root/tests/wine/session.sh" stop "$build/$session" >/dev/null 2>&1
    done
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
for fault in "$@"; do
    name=$(basename "$fault" .sed)
    file=$(sed -n 's/^# file: //p' "$fault")
    applied=$file
    sed -i -f "$fault" "$file"
    if git diff --quiet -- "$file"; then
        echo "$name: does not apply" | tee -a "$table"
        continue
    fi
    result=$(run_suite)
    git checkout -q -- "$file"
    applied=""
    case $result in
        passed) line="missed  $name  ($(sed -n '1s/^# //p' "$fault"))" ;;
        "build failed") line="build   $name  failed to build" ;;
        *) line="caught  $name  by $result" ;;
    esac
    echo "$line" | tee -a "$table"
done
echo "caught $(grep -c '^caught' "$table") of $(grep -c . "$table")" | tee -a "$table"
# The build tree holds the last fault's programs until it is built again:
# nothing measured or run from it afterwards may meet them.
"$root/scripts/build.sh" >"$build/mutants-last.log" 2>&1 || echo "mutants: the clean tree failed to build again" >&2
