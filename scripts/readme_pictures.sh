#!/usr/bin/env bash
# Makes the README's pictures again from the headless editor: the main
# menu (its text screen set in a monospaced face) and the bundled example
# as draw-all shows it. Needs a built build/plivet and ImageMagick.
#   scripts/readme_pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/example.plv "$work/"
printf 'key F10\nkey F4\nkey ENTER\n' >"$work/script.txt"
(cd "$work" && PLIVET_STATE_DIR="$work/state" PLIVET_HOST_SETTINGS="$work/orvlab.ini" \
   "$OLDPWD/build/plivet" --headless --play script.txt --snapshots snaps example.plv)
menu=$(grep -l "MAIN MENU" "$work"/snaps/*.txt | head -1)
picture=$(ls "$work"/snaps/*.png | head -1)
# The text screen's 25 rows of 80 columns, white on black, as the window
# shows them.
/usr/bin/python3 - "$menu" docs/main-menu.png <<'PY'
import sys
from PIL import Image, ImageDraw, ImageFont
rows = open(sys.argv[1]).read().split("\n")[:25]
font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", 14)
cell_w, cell_h = font.getlength("M"), 18
image = Image.new("RGB", (int(80 * cell_w) + 24, 25 * cell_h + 24), "black")
draw = ImageDraw.Draw(image)
for n, row in enumerate(rows):
    draw.text((12, 12 + n * cell_h), row, font=font, fill="white")
image.save(sys.argv[2])
PY
cp "$picture" docs/picture.png
echo "docs/main-menu.png and docs/picture.png made"

# A matplotlib figure imported, then annotated with an arrow and a note in
# red, beside the figure as poppler draws it.
MPLCONFIGDIR="$work" /usr/bin/python3 scripts/waves_figure.py "$work/waves.pdf"
"$OLDPWD/build/plvtool" import "$work/waves.pdf" -o "$work/waves.plv" --date "11-DEC-26"
printf 'SC BAR   1\nAR  -520   870   120   700 N N Y N N\nCH   140   650 10 S 0 first peak, t = pi/2\n' >>"$work/waves.plv"
rm -rf "$work/snaps"
(cd "$work" && PLIVET_STATE_DIR="$work/state" PLIVET_HOST_SETTINGS="$work/orvlab.ini" \
   "$OLDPWD/build/plivet" --headless --play script.txt --snapshots snaps waves.plv)
pdftoppm -r 90 -png -singlefile "$work/waves.pdf" "$work/original"
convert "$work/original.png" -resize x480 "$(ls "$work"/snaps/*.png | head -1)" -resize x480 \
  -bordercolor white -border 8 +append docs/imported-figure.png
echo "docs/imported-figure.png made"
