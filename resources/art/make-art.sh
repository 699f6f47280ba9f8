#!/usr/bin/env bash
# Regenerates the Launcher's artwork from its drawings: the menu picture
# (500 by 376), the four button faces (90 by 26), 24 bits per pixel, and the
# program icon. The results are committed, so a build needs no image tools.
# Needs librsvg2-bin (rsvg-convert) and imagemagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$here/..
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bmp24() {   # SVG -> 24-bit BMP
    rsvg-convert "$1" -o "$work/image.png"
    /usr/bin/convert "$work/image.png" -background black -flatten -type TrueColor "BMP3:$2"
}

bmp24 "$here/menu.svg" "$out/menu.bmp"
for face in play:PLAY setup:SETUP notes:NOTES exit:EXIT; do
    sed "s/@LABEL@/${face#*:}/" "$here/button.svg.in" >"$work/button.svg"
    bmp24 "$work/button.svg" "$out/button_${face%%:*}.bmp"
done
"$here/make-icon.sh"
