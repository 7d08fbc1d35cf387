#!/usr/bin/env bash
# Makes the manual window's background texture: soft blue-grey noise that
# tiles without seams (the blur wraps around the picture's edges).
set -euo pipefail
cd "$(dirname "$0")"
convert -size 128x128 xc:gray50 -seed 7 +noise Random \
  -virtual-pixel tile -blur 0x2.5 -colorspace Gray -auto-level \
  -type TrueColor +level-colors '#8fa6bf','#bccddf' \
  -strip -quality 90 ManualTile.jpg
