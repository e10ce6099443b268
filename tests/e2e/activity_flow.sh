#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program: Electricity → Labelling Activity, every label dragged with the mouse onto the
# part it names, "Check Score", and at full marks the certificate printed on the default printer
# (which only a full score offers). Positions come from the screen's design (twips).
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"

start_program "$exe"
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
click "$menu" $((3600 + 1500)) $((7920 + 240))          # Labelling Activity
who_is_playing                                          # Skip: a guest
sleep 0.3

# drag FROM_LEFT FROM_TOP TO_LEFT TO_TOP: a 1440 x 495 label from its start to its box.
drag() {
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  local x0=$((X + ($1 + 720) / 15)) y0=$((Y + ($2 + 247) / 15))
  local x1=$((X + ($3 + 720) / 15)) y1=$((Y + ($4 + 247) / 15))
  xdotool mousemove "$x0" "$y0"; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((x0 + (x1 - x0) * step / 8)) $((y0 + (y1 - y0) * step / 8))
    sleep 0.03
  done
  xdotool mouseup 1; sleep 0.3
}
drag 8280 7200 2760 2880    # battery
drag 8280 6600 5880 3720    # switch
drag 9840 7200 4200 1200    # wire
drag 9840 6600 7800 720     # bulb
click "$menu" $((6000 + 1280)) $((7920 + 240))          # Check Score
sleep 0.8

print_certificate "$menu" "Ada Lovelace" ||
  fail "no certificate: the activity did not reach full marks"
echo PASS
