#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen on a 1920 x 1080 X server of its own: the 800 x 600 design fills the height at 1.8
# times, centred; a click on the scaled Introduction entry opens its hub.
set -euo pipefail
exe=$1

xvfb=""
if [ -n "${FULLSCREEN_DISPLAY:-}" ]; then   # a 1920 x 1080 server already running
  export DISPLAY=$FULLSCREEN_DISPLAY
else
  exec 5< <(Xvfb -displayfd 4 -screen 0 1920x1080x24 -nolisten tcp 4>&1 2>/dev/null & echo "$!")
  read -r xvfb <&5
  read -r number <&5
  export DISPLAY=":$number"
fi
program=""
. "$(dirname "$0")/xdo.sh"
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
SCALE=180

cd /
"$exe" --fullscreen >/dev/null 2>&1 &
program=$!
title=$(wait_window "$(titled Welcome)")
click "$title" $((1320 + 600)) $((6000 - 90 + 180))         # OK
menu=$(wait_window "$(titled 'Main menu')")
eval "$(xdotool getwindowgeometry --shell "$menu")"
# Centred to the pixel: 240 from the left, give or take the rounding of the scale.
[ "$WIDTH x $HEIGHT" = "1440 x 1080" ] && [ "$Y" -eq 0 ] && [ "$X" -ge 239 ] && [ "$X" -le 241 ] ||
  fail "the menu is $WIDTH x $HEIGHT at $X,$Y, not 1440 x 1080 centred"

click "$menu" $((120 + 1500)) $((2160 + 180))               # Introduction
for _ in $(seq 100); do
  xdotool search --onlyvisible --name "$(titled Introduction)" >/dev/null 2>&1 && exit 0
  sleep 0.1
done
fail "the Introduction entry did not open its hub"
