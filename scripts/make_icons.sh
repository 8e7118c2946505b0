#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the products' PNG icons from their SVG drawings; run after changing a drawing.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for svg in *.svg; do
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "$size"
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$size/${svg%.svg}.png.tmp"
        mv "$size/${svg%.svg}.png.tmp" "$size/${svg%.svg}.png"
    done
done
