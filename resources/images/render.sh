#!/bin/sh
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Voruvar developers
#
# Re-renders every PNG in this folder from its SVG source at its exact pixel size.
# The build uses only the committed PNGs; run this by hand after changing an SVG.
# Needs rsvg-convert, ImageMagick's convert and the DejaVu Sans font:
#   apt-get install librsvg2-bin imagemagick fonts-dejavu-core
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SOURCE TARGET WIDTH HEIGHT opaque|alpha
# opaque: 24-bit RGB on white; alpha: 32-bit RGBA. No ancillary chunks (gamma, time),
# so the files stay the same from one run to the next.
render() {
    rsvg-convert --width "$3" --height "$4" --output "$tmp/out.png" "$1"
    if [ "$5" = opaque ]; then
        convert "$tmp/out.png" -background white -alpha remove -alpha off -depth 8 -strip \
            -define png:color-type=2 -define png:exclude-chunk=all "$2"
    else
        convert "$tmp/out.png" -depth 8 -strip \
            -define png:color-type=6 -define png:exclude-chunk=all "$2"
    fi
    echo "$2 ($3 x $4, $5)"
}

render host-logo.svg           host-logo.png           85   62 opaque
render banner.svg              banner.png             274   49 opaque
render shade-strip.svg         shade-strip.png       3024    7 opaque
render frame-background.svg    frame-background.png  3024  165 opaque
render wait-background.svg     wait-background.png    419   34 opaque
render maker-logo.svg          maker-logo.png         188   47 opaque
render button-exit.svg         button-exit.png         35   29 opaque
render button-refresh.svg      button-refresh.png      35   29 opaque
render button-expand.svg       button-expand.png       35   29 opaque
render button-calculator.svg   button-calculator.png   35   29 opaque
render button-print.svg        button-print.png        35   29 opaque
render button-help.svg         button-help.png         35   29 opaque
render button-previous.svg     button-previous.png     35   29 opaque
render button-next.svg         button-next.png         35   29 opaque
render button-save.svg         button-save.png         35   29 opaque
render about-word.svg          about-word.png          70   21 opaque
render addin-logo.svg          addin-logo.png         199   35 opaque
render button-admin.svg        button-admin.png        35   29 opaque
render button-reminder.svg     button-reminder.png     15   18 opaque
render voruvar-16.svg          voruvar-16.png          16   16 alpha
render voruvar.svg             voruvar-32.png          32   32 alpha
# The desktop's icon sizes; 16 is the hand-placed voruvar-16.png above.
for size in 22 24 48 64 128 256; do
    render voruvar.svg         voruvar-$size.png     $size $size alpha
done
render banner-pointer.svg      banner-pointer.png      32   32 alpha
