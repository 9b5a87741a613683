#!/usr/bin/env bash
# Draws one of the program's icons at 48, 32 and 16 pixels (32-bit, with
# alpha) and packs them into an .ico file. Usage: make_icon.sh NAME OUT.ico
set -euo pipefail
name=$1
out=$2
# The real ImageMagick, not whatever else may be called "convert" on the PATH.
convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

draw=()
# A disc: blue face, light ring, pale hub. Drawn on a 48-pixel grid.
add_disc() {
  local cx=$1 cy=$2 r=$3
  draw+=(-fill '#2f6fbf' -stroke '#173a66' -strokewidth 2 -draw "circle $cx,$cy $((cx + r)),$cy"
         -fill none -stroke '#9cc4f0' -strokewidth 2 -draw "circle $cx,$cy $((cx + r * 2 / 3)),$cy"
         -fill '#d8e6f5' -stroke '#173a66' -strokewidth 1 -draw "circle $cx,$cy $((cx + r / 4 + 1)),$cy")
}

case "$name" in
  program)
    # A disc with a green start arrow: mount and play.
    add_disc 22 24 20
    draw+=(-fill '#37b24d' -stroke '#1b5e27' -strokewidth 2 -draw "polygon 28,26 46,36 28,46")
    ;;
  script)
    # A page with a folded corner and a small disc: a script file.
    draw+=(-fill '#fdfdfd' -stroke '#5a5a5a' -strokewidth 2 -draw "polygon 8,2 30,2 40,12 40,46 8,46"
           -fill '#d0d0d0' -draw "polygon 30,2 30,12 40,12"
           -stroke '#8a8a8a' -draw "line 13,10 25,10" -draw "line 13,16 33,16")
    add_disc 26 32 12
    ;;
  pause)
    # The second slot of the blinking tray icon: the disc with pause bars.
    add_disc 24 24 20
    draw+=(-fill '#f0a020' -stroke '#7a4a00' -strokewidth 1
           -draw "rectangle 14,13 21,35" -draw "rectangle 27,13 34,35")
    ;;
  *)
    echo "unknown icon: $name" >&2
    exit 2
    ;;
esac

"$convert" -size 48x48 xc:none -antialias "${draw[@]}" PNG32:"$work/48.png"
for size in 32 16; do
  "$convert" "$work/48.png" -filter Lanczos -resize ${size}x${size} PNG32:"$work/$size.png"
done
"$convert" "$work/48.png" "$work/32.png" "$work/16.png" "$out"
