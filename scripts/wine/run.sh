#!/usr/bin/env bash
# Runs one Windows program in the test run's Wine session:
#   run.sh STATE PROGRAM.exe [ARGS...]
# Refuses to run without the session's scratch prefix: a stray wine call
# would otherwise make or change ~/.wine.
set -euo pipefail
state=$1
shift
# shellcheck disable=SC1091
if ! . "$state/env" 2>/dev/null || [ ! -f "${WINEPREFIX:-}/.thundra-scratch" ]; then
    echo "run.sh: no Wine session in $state (scripts/wine/session.sh start)" >&2
    exit 2
fi
# A program that a failed test leaves running must not hold the caller's
# output open (ctest would wait for it): Wine's output goes to a file.
out=$(mktemp)
wine64 "$@" >"$out" 2>&1 && status=0 || status=$?
cat "$out" && rm -f "$out" && exit $status
