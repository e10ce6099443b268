#!/usr/bin/env bash
# The real program: menu → Electricity → Multiple Choice, every question answered right, the
# results at full marks, a name typed and the certificate printed on the default printer.
# Every 800 x 600 screen is centred at the same place, so positions are taken from the menu.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
questions="$(dirname "$exe")/multiple/electricity.txt"
pdf_dir=${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}

"$exe" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

title=$(wait_window '^ $')
click "$title" $((1320 + 600)) $((6000 - 90 + 180))     # OK
menu=$(wait_window '^Quorvel$')
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
sleep 0.5

mapfile -t lines < <(tr -d '\r' < "$questions")
for q in $(seq 1 10); do
  digit=${lines[$((7 + 7 * (q - 1)))]}
  click "$menu" $((2400 + 150)) $((5400 + 600 * (digit - 1) + 260))  # the right answer
  click "$menu" $((6000 + 1800)) $((7920 + 240))                     # Next / Check Score
done
sleep 0.5

before=$(ls "$pdf_dir" | wc -l)
click "$menu" $((3120 + 2000)) $((6600 + 300))          # the name box
xdotool type --delay 30 "Ada Lovelace"
click "$menu" $((240 + 1800)) $((1800 + 240))           # Print Certificate
sleep 1
xdotool key Return                                       # "Your certificate is now printing."

for _ in $(seq 150); do
  [ "$(ls "$pdf_dir" | wc -l)" -gt "$before" ] && break
  sleep 0.2
done
[ "$(ls "$pdf_dir" | wc -l)" -gt "$before" ] || fail "no certificate came out of the printer"
kill $pid
trap - EXIT
echo PASS
