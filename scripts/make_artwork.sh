#!/usr/bin/env bash
# Draws the splash picture and the program icon (an elevator car with its doors
# and the up/down call arrows) and writes them under wizard/resources/.
# Needs ImageMagick 6; the PNGs it writes are committed, so the build does not run it.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
out=wizard/resources

# Splash: 179 x 109 pixels, 24-bit colour, white ground.
"$convert" -size 179x109 xc:white \
  -fill '#e8e8ff' -stroke '#8080ff' -strokewidth 2 -draw 'roundrectangle 40,8 138,101 6,6' \
  -fill '#c8c8f4' -stroke '#5a5ad0' -strokewidth 1 -draw 'rectangle 52,20 88,98' \
  -draw 'rectangle 90,20 126,98' \
  -stroke none -fill '#8080ff' -draw 'rectangle 52,12 126,16' \
  -fill '#5a5ad0' -draw 'polygon 18,40 8,54 28,54' -draw 'polygon 18,74 8,60 28,60' \
  -draw 'polygon 160,40 150,54 170,54' -draw 'polygon 160,74 150,60 170,60' \
  -type TrueColor -define png:color-type=2 -depth 8 -strip "$out/splash.png"

# Icon master: 256 x 256 with transparency, then the smaller sizes.
"$convert" -size 256x256 xc:none \
  -fill '#8080ff' -stroke '#4040b0' -strokewidth 8 -draw 'roundrectangle 20,12 236,244 28,28' \
  -stroke none -fill '#ffffff' -draw 'rectangle 52,52 124,220' -draw 'rectangle 132,52 204,220' \
  -fill '#4040b0' -draw 'polygon 128,18 108,42 148,42' \
  -define png:color-type=6 -depth 8 -strip "$out/trevalo-256.png"
for size in 16 32 48 64 128; do
  "$convert" "$out/trevalo-256.png" -resize "${size}x${size}" -define png:color-type=6 -depth 8 -strip \
    "$out/trevalo-$size.png"
done
