#!/usr/bin/env bash
# Draws the importer's icon (a fax sheet going into an address card) and writes
# resources/importer.ico with 48, 32 and 16 pixel images.
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 256x256 xc:none \
    -fill '#1f5fa8' -draw 'roundrectangle 16,96 240,232 24,24' \
    -fill '#f4f7fb' -draw 'rectangle 64,16 192,150' \
    -stroke '#1f5fa8' -strokewidth 10 -draw 'line 88,52 168,52' -draw 'line 88,84 168,84' \
    -draw 'line 88,116 140,116' -stroke none \
    -fill '#ffffff' -draw 'roundrectangle 40,170 216,210 10,10' \
    -fill '#2ea043' -draw 'circle 196,190 196,204' \
    -define icon:auto-resize=48,32,16 resources/importer.ico
