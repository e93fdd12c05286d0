#!/usr/bin/env bash
# Draws the program's artwork with ImageMagick. The PNG files are committed;
# run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold
teal='#40a0a0'
white='#ffffff'
grey='#a0a0a0'

# Leg arrows, 38 x 36.
convert -size 38x36 xc:none -fill "$teal" -draw "polygon 26,6 10,18 26,30" arrow-left.png
convert -size 38x36 xc:none -fill "$teal" -draw "polygon 12,6 28,18 12,30" arrow-right.png
# START, 73 x 32: a go button on the left; the panel's "START FLIGHT"
# caption stands over the clear right part.
convert -size 73x32 xc:none -fill '#2e7d32' -draw "roundrectangle 1,1 30,30 6,6" \
  -fill "$white" -draw "polygon 11,8 23,16 11,24" start.png
# UPLOAD LEG, 120 x 32.
convert -size 120x32 xc:none -fill '#1f6f8b' -draw "roundrectangle 0,0 119,31 6,6" \
  -font "$font" -pointsize 12 -fill "$white" -gravity center -annotate +0+0 'UPLOAD LEG' upload.png
# OK of the message window, 61 x 41.
convert -size 61x41 xc:none -fill '#1f6f8b' -draw "roundrectangle 4,6 56,34 6,6" \
  -font "$font" -pointsize 14 -fill "$white" -gravity center -annotate +0+0 OK ok.png
# Close image, 16 x 16.
convert -size 16x16 xc:none -stroke "$white" -strokewidth 2 -draw "line 3,3 12,12" \
  -draw "line 12,3 3,12" close.png
# Window icon, 20 x 20: a plane's track over a checkpoint.
convert -size 20x20 xc:none -stroke "$teal" -strokewidth 2 -fill none \
  -draw "circle 10,10 10,3" -fill "$teal" -stroke none -draw "polygon 10,5 14,14 10,12 6,14" icon.png
# History status pictures: waiting (32 x 32, an open logbook), accepted
# (24 x 24, a check mark), rejected (24 x 24, a cross).
convert -size 32x32 xc:none -stroke "$grey" -strokewidth 2 -fill none \
  -draw "polyline 3,8 15,11 15,27 3,24 3,8" -draw "polyline 29,8 17,11 17,27 29,24 29,8" \
  -strokewidth 1 -draw "line 6,14 12,15" -draw "line 6,18 12,19" -draw "line 20,15 26,14" \
  -draw "line 20,19 26,18" status-waiting.png
convert -size 24x24 xc:none -stroke '#43a047' -strokewidth 4 -fill none \
  -draw "polyline 3,12 9,18 21,5" status-accepted.png
convert -size 24x24 xc:none -stroke "$grey" -strokewidth 4 -draw "line 5,5 19,19" \
  -draw "line 19,5 5,19" status-rejected.png
# Menu icons, 16 x 16.
convert -size 16x16 xc:none -fill "$white" -draw "roundrectangle 1,2 14,11 2,2" \
  -draw "polygon 4,11 4,15 8,11" menu-message.png
convert -size 16x16 xc:none -fill "$white" -draw "rectangle 2,2 13,4" -draw "rectangle 2,7 13,9" \
  -draw "rectangle 2,12 13,14" menu-legs.png
convert -size 16x16 xc:none -stroke '#e53935' -strokewidth 2 -fill none -draw "arc 2,2 13,13 -60,240" \
  -draw "line 8,1 8,7" menu-close.png
