#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program: a worksheet written in the wizard (typed with Enter moving from box to box),
# saved and listed in the catalogue; found on the worksheet catalogue, run as a quiz with every
# answer right to the results, where its certificate prints; then deleted from the catalogue,
# its file left on disk; then a GIFT file imported through the file dialog. Every 800 x 600
# screen is centred at the same place, so positions are taken from the menu window.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
# The program runs from a private copy of the run folder, so the teacher's files of the build
# (and the other tests, which read the run folder) are never touched.
copy=$(mktemp -d)
cp -a "$(dirname "$1")/." "$copy/"
exe="$copy/$(basename "$1")"
folder="$copy/multiple"
track="$folder/track.txt"
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"
title="Pulleys Check $$"
sheet="$folder/$title.txt"

[ -w "$folder" ] || fail "the worksheet folder $folder cannot be written"
[ -e "$sheet" ] && fail "$sheet is already there"
listed() { tr -d '\r' < "$track" | tail -n +2 | grep -cxF "$title" || true; }

start_program "$exe"
trap 'kill $program 2>/dev/null || true; rm -rf "$copy"' EXIT
sleep 0.5

# The wizard: the title box first, then Enter walks question, answers A to D, next question.
click "$menu" $((6960 + 2300)) $((5760 + 240))              # Multiple Choice Wizard
sleep 0.5
click "$menu" $((7560 + 2000)) $((120 + 187))               # the title box
xdotool type --delay 20 "$title"
xdotool key Return
for q in $(seq 1 10); do
  xdotool type --delay 10 "Which pulley, number $q?"
  xdotool key Return
  for a in A B C D; do
    xdotool type --delay 10 "pulley $q$a"
    xdotool key Return
  done
done
# Tick the correct answer of question q: answer (q - 1) mod 4, A to D.
for q in $(seq 0 9); do
  a=$((q % 4))
  left=$(( (a % 2 == 0 ? 480 : 3330) + 5880 * (q / 5) ))
  top=$(( (a < 2 ? 1230 : 1560) + 1440 * (q % 5) ))
  click "$menu" $((left + 120)) $((top + 150))
done
click "$menu" $((240 + 1580)) $((7920 + 240))               # Save Worksheet
sleep 1
xdotool key Return                                          # "Your worksheet has been saved."
sleep 0.5
[ -f "$sheet" ] || fail "the wizard wrote no worksheet file"
[ "$(tr -d '\r' < "$sheet" | sed -n 3p)" = "Which pulley& number 1?" ] ||
  fail "the worksheet file does not hold question 1 with its comma encoded"
[ "$(listed)" -eq 1 ] || fail "the saved worksheet is not listed in the catalogue"
click "$menu" $((10560 + 600)) $((7920 + 240))              # Exit the wizard

# The catalogue: the new title is the last entry.
count=$(tr -d '\r ' < "$track" | head -n 1)
[ "$count" -le 24 ] || fail "the catalogue holds $count titles; this test needs them on page 1"
slot_x() { echo $((120 + 6000 * (($1 - 1) / 12) + 2850)); }
slot_y() { echo $((720 + 600 * (($1 - 1) % 12) + 187)); }
click "$menu" $((6960 + 2300)) $((6600 + 240))              # Worksheet Catalogue
wait_gone "$menu"                                           # the menu unloads itself
cat=$(wait_window "$(titled 'Worksheet Catalogue')")
click "$cat" "$(slot_x "$count")" "$(slot_y "$count")"        # the worksheet, run as a quiz
who_is_playing                                              # Skip: a guest
answer_quiz "$cat" 1 2 3 4 1 2 3 4 1 2
# Full marks: the results offer the certificate.
print_certificate "$cat" "Grace Hopper" ||
  fail "no certificate came out: the worksheet quiz did not end at full marks"
click "$cat" $((10560 + 600)) $((7920 + 240))              # Exit the results
sleep 0.5

# Back on the catalogue: tick "Delete Worksheet", pick the title, confirm.
click "$cat" $((9240 + 300)) $((120 + 187))                # Delete Worksheet
click "$cat" "$(slot_x "$count")" "$(slot_y "$count")"
sleep 1
xdotool key Return                                          # OK to the question
sleep 0.5
[ "$(listed)" -eq 0 ] || fail "the deleted worksheet is still listed in the catalogue"
[ -f "$sheet" ] || fail "deleting from the catalogue removed the worksheet file"
[ "$(tr -d '\r ' < "$track" | head -n 1)" -eq $((count - 1)) ] ||
  fail "the catalogue's count was not lowered by one"

# "Import Worksheets": a GIFT file through the file dialog lists its questions (the true/false one
# greyed), and "Import Ticked" makes a worksheet at the end of the catalogue.
gift="$copy/Import $$.gift"
{
  printf '::tf::The Sun is a star.{T}\n\n'
  for q in $(seq 10); do printf '::q%s::Pulley %s lifts...{~less =more ~nothing ~water}\n\n' "$q" "$q"; done
} > "$gift"
click "$cat" $((9240 + 1260)) $((8520 + 187))               # Import Worksheets
sleep 1
xdotool key ctrl+a
xdotool type --delay 10 "$gift"
xdotool key Return
sleep 1
click "$cat" $((120 + 7440 + 1080)) $((720 + 6480 + 247))   # Import Ticked, under the list
sleep 1
xdotool key Return                                          # the message of what was imported
sleep 0.5
tr -d '\r' < "$track" | tail -n 1 | grep -qxF "Import $$" ||
  fail "the imported worksheet is not the last title of the catalogue"
[ -f "$folder/Import $$.txt" ] || fail "the import wrote no worksheet file"

click "$cat" $((10560 + 600)) $((7920 + 240))               # Exit the catalogue
wait_gone "$cat"
menu_again=$(wait_window "$(titled 'Main menu')")
[ "$menu_again" != "$cat" ] || fail "the menu did not come back"
echo PASS
