#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program: menu → Electricity → Multiple Choice, every question answered right, the
# results at full marks, a name typed and the certificate printed on the default printer. The pupil
# says who is playing at the quiz's start, in a class folder named by QUORVEL_CLASS_FOLDER, and the
# result is kept there for the teacher.
# quiz_flow.sh EXE es: the same in Spanish (--language es): the Spanish questions, the Spanish
# results screen as read through AT-SPI (the print server's PDF keeps no text to read back).
# Every 800 x 600 screen is centred at the same place, so positions are taken from the menu.
set -euo pipefail
language=${2:-}
if [ -n "$language" ] && [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi
. "$(dirname "$0")/xdo.sh"
exe=$1
: "${QUORVEL_PDF_DIR:?QUORVEL_PDF_DIR is not set (run through scripts/run-tests)}"
questions="$(dirname "$exe")/multiple/electricity.txt"
topic=Electricity
arguments=()
if [ "$language" = es ]; then
  questions="$(dirname "$exe")/es/multiple/electricity.txt"
  topic=Electricidad # the quiz file's title
  arguments=(--language es)
  WHO_TITLE='^¿Quién juega\?$'
  WELCOME_TITLE=$(titled Bienvenida)
  MENU_TITLE=$(titled 'Menú principal')
  # What a screen reader does when it starts, so that the results screen can be read.
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
    string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
    fail "no accessibility bus (at-spi2-core)"
fi

QUORVEL_CLASS_FOLDER=$(mktemp -d)
export QUORVEL_CLASS_FOLDER
start_program "$exe" "${arguments[@]}"
trap 'kill $program 2>/dev/null || true; rm -rf "$QUORVEL_CLASS_FOLDER"' EXIT
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
who_is_playing Ada

mapfile -t lines < <(tr -d '\r' < "$questions")
answer_quiz "$menu" $(for q in $(seq 1 10); do echo "${lines[$((7 + 7 * (q - 1)))]}"; done)
if [ "$language" = es ]; then
  /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" results_es ||
    fail "the results screen as read through AT-SPI"
fi
print_certificate "$menu" "Ada Lovelace" || fail "no certificate came out of the printer"
kept=$("$exe" results --csv - | tr -d '\r' | cut -d, -f1,4-)
[ "$kept" = "$(printf 'pupil,topic,activity,score,out of,wrong\nAda,%s,Quiz,10,10,' "$topic")" ] ||
  fail "the class folder kept: $kept"
echo PASS
