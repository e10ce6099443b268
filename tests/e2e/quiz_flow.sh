#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program: menu → Electricity → Multiple Choice, every question answered right, the
# results at full marks, a name typed and the certificate printed on the default printer. The pupil
# says who is playing at the quiz's start, in a class folder named by QUORVEL_CLASS_FOLDER, and the
# result is kept there for the teacher.
# Every 800 x 600 screen is centred at the same place, so positions are taken from the menu.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
questions="$(dirname "$exe")/multiple/electricity.txt"
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"

QUORVEL_CLASS_FOLDER=$(mktemp -d)
export QUORVEL_CLASS_FOLDER
start_program "$exe"
trap 'kill $program 2>/dev/null || true; rm -rf "$QUORVEL_CLASS_FOLDER"' EXIT
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
who_is_playing Ada

mapfile -t lines < <(tr -d '\r' < "$questions")
answer_quiz "$menu" $(for q in $(seq 1 10); do echo "${lines[$((7 + 7 * (q - 1)))]}"; done)
print_certificate "$menu" "Ada Lovelace" || fail "no certificate came out of the printer"
kept=$("$exe" results --csv - | tr -d '\r' | cut -d, -f1,4-)
[ "$kept" = "$(printf 'pupil,topic,activity,score,out of,wrong\nAda,Electricity,Quiz,10,10,')" ] ||
  fail "the class folder kept: $kept"
echo PASS
