#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program with the keyboard alone: from the title screen to the Electricity labelling
# activity, every label placed with Enter and the arrow keys, "Check Score", and at full marks the
# certificate printed (which only a full score offers).
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"

"$exe" >/dev/null 2>&1 & program=$!
trap 'kill $program 2>/dev/null || true' EXIT
title=$(wait_window "$(titled Welcome)")
sleep 0.5
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
keys Return                                              # OK
menu=$(wait_window "$(titled 'Main menu')")
sleep 0.5
keys Tab Tab Tab Tab Return                              # Sound On → Read to me → Teachers' Guide → Introduction → Electricity
keys Tab Tab Tab Return                                  # Key Facts → Teacher's Notes → Multiple Choice → Labelling Activity
wait_window '^Who is playing\?$' > /dev/null
keys Escape                                              # "Who is playing?": Skip
sleep 0.5
# The labels take the focus in reading order of their start boxes (switch, bulb, battery, wire);
# Right steps through the target boxes in reading order: 4 (the bulb's, at the top), 3, 1, 2.
keys Return Right Right Right Right Return               # switch → box 2
keys Tab Return Right Return                             # bulb → box 4
keys Tab Return Right Right Right Return                 # battery → box 1
keys Tab Return Right Right Return                       # wire → box 3
keys Tab Return                                          # Check Score (after the labels)
sleep 1.5                                                # the results screen focuses the name box

before=$(ls "$QUORVEL_PDF_DIR" | wc -l)
xdotool type --delay 30 "Grace Hopper"
keys shift+Tab Return                                    # Print Certificate
sleep 1
keys Return                                              # "Your certificate is now printing."
for _ in $(seq 150); do
  [ "$(ls "$QUORVEL_PDF_DIR" | wc -l)" -gt "$before" ] && { echo PASS; exit 0; }
  sleep 0.2
done
fail "no certificate: the keyboard alone did not reach full marks"
