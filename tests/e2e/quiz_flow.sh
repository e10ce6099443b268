#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program: menu → Electricity → Multiple Choice, every question answered right, the
# results at full marks, a name typed and the certificate printed on the default printer.
# Every 800 x 600 screen is centred at the same place, so positions are taken from the menu.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
questions="$(dirname "$exe")/multiple/electricity.txt"
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"

start_program "$exe"
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
sleep 0.5

mapfile -t lines < <(tr -d '\r' < "$questions")
answer_quiz "$menu" $(for q in $(seq 1 10); do echo "${lines[$((7 + 7 * (q - 1)))]}"; done)
print_certificate "$menu" "Ada Lovelace" || fail "no certificate came out of the printer"
echo PASS
