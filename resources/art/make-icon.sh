#!/usr/bin/env bash
# Regenerates the program icon (32 by 32) from its drawing; the result is
# committed so that a build needs no image tools.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/convert -size 32x32 xc:none \
    -fill '#b01010' -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill '#ffd000' -draw 'polygon 6,8 26,8 24,13 18,13 13,26 7,26 12,13 4,13' \
    -fill white -draw 'line 16,20 28,20' -draw 'line 18,24 28,24' \
    -type TrueColorAlpha -define icon:auto-resize=32 "$here/../thundra.ico"
