#!/usr/bin/env bash
# Waits (at most 30 s) for a window whose title begins with TITLE on an X
# display and saves a screenshot of the whole screen as PNG.
#   screenshot.sh DISPLAY TITLE OUT.png
set -euo pipefail
display=$1 title=$2 out=$3
for _ in $(seq 300); do
    if xwininfo -display "$display" -root -tree 2>/dev/null | grep -qF "\"$title"; then
        sleep 1   # let it paint
        xwd -display "$display" -root -silent | /usr/bin/convert xwd:- "png:$out"
        exit 0
    fi
    sleep 0.1
done
exit 1
