#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program from start to end: title over the backdrop, OK to the menu, the menu's Exit
# to the exit screen, Cancel back to the same menu, a double-click on a hub's Exit that closes
# only the hub, the Acknowledgments page with its turning logo, Exit, Exit: the program ends with
# code 0.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1

cd /   # the program must find its content whatever the working directory
tmp=$(mktemp -d)
"$exe" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$tmp"' EXIT

backdrop=$(wait_window "$(titled '')")
title=$(wait_window "$(titled Welcome)")
eval "$(xdotool getwindowgeometry --shell "$backdrop")"
[ "$WIDTH" -ge 1024 ] || fail "the backdrop does not cover the screen ($WIDTH wide)"

# Buttons lie in a frame that starts 90 twips above the window.
click "$title" $((1320 + 600)) $((6000 - 90 + 180))         # OK
menu=$(wait_window "$(titled 'Main menu')")
wait_gone "$title"

click "$menu" $((10560 + 600)) $((7920 + 240))              # Exit
exitscreen=$(wait_window "$(titled Exit)")
click "$exitscreen" $((1320 + 600)) $((6000 - 90 + 180))    # Cancel
wait_gone "$exitscreen"
[ "$(xdotool search --onlyvisible --name "$(titled 'Main menu')" | tail -n 1)" = "$menu" ] ||
  fail "Cancel did not return to the same menu"

# A double-click on a hub's "Exit", which lies where the menu's "Exit" does, closes the hub only.
click "$menu" $((3360 + 1500)) $((3600 + 180))              # Electricity
wait_window "$(titled Electricity)" > /dev/null
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + (10560 + 600) / 15)) $((Y + (7920 + 240) / 15)); sleep 0.2
xdotool click --repeat 2 --delay 80 1; sleep 1
xdotool search --onlyvisible --name "$(titled Exit)" >/dev/null 2>&1 &&
  fail "the second click of a double-click on the hub's Exit pressed the menu's Exit"
xdotool search --onlyvisible --name "$(titled Electricity)" >/dev/null 2>&1 &&
  fail "a double-click on the hub's Exit left the hub open"

# The logo turns on screen once every frame has been shown (later frames are copied by the X
# server): two looks a frame apart differ, by the moving parts only.
click "$menu" $((1080 + 577)) $((7920 + 247))               # Acknowledgments
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$menu")"
logo="120x120+$((X + 8520 / 15))+$((Y + 4320 / 15))"
import -window root -crop "$logo" "$tmp/logo1.png"; sleep 0.06
import -window root -crop "$logo" "$tmp/logo2.png"
moved=$(compare -metric AE "$tmp/logo1.png" "$tmp/logo2.png" null: 2>&1 || true)
[ "$moved" -gt 100 ] && [ "$moved" -lt 3600 ] ||
  fail "the logo is not turning in its place ($moved of 14400 pixels changed)"
click "$menu" $((10560 + 682)) $((7920 + 247))              # the page's Exit

click "$menu" $((10560 + 600)) $((7920 + 240))              # Exit
exitscreen=$(wait_window "$(titled Exit)")
click "$exitscreen" $((2760 + 600)) $((6000 - 90 + 180))    # Exit

for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program did not end"
trap 'rm -rf "$tmp"' EXIT
wait $pid && code=0 || code=$?
[ "$code" -eq 0 ] || fail "the program ended with code $code"
echo "PASS"
