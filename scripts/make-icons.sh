#!/usr/bin/env bash
# Renders the application icon into the PNG sizes of the hicolor theme. Run after
# changing src/gui/resources/icons/app.svg; the PNGs are kept in the repository so that
# building needs no SVG renderer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
svg="$root/src/gui/resources/icons/app.svg"
out="$root/data/desktop/icons"
cp "$svg" "$root/data/desktop/ferrovane.svg"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$out/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$out/${size}x${size}/ferrovane.png"
done
