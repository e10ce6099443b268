#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a screen reader sees it: on an accessibility bus (started here inside a
# private session bus when there is none), the main menu and the Electricity labelling activity
# are read through AT-SPI (roles, names, the greyed topics not enabled), each window named by its
# screen, a label picked up and moved is heard box by box, the quiz's question and next question are heard, a Key Facts page gives its words, the next page takes the focus, and
# the wizard names its boxes.
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi
. "$(dirname "$0")/xdo.sh"
exe=$1
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed (scripts/setup)"

# What a screen reader does when it starts: tell the toolkits that one is listening.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  fail "no accessibility bus (at-spi2-core)"

announced=$(mktemp)
start_program "$exe"
read_tree() { /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" "$@"; }

read_tree menu || fail "the main menu as read through AT-SPI"
xdotool key Tab Tab Tab Tab Return                      # Sound On → … → Electricity
sleep 0.8
click "$menu" $((3600 + 1500)) $((7920 + 240))          # Labelling Activity
wait_window '^Who is playing\?$' > /dev/null
read_tree who || fail "\"Who is playing?\" as read through AT-SPI"
xdotool key Escape                                      # Skip
sleep 0.8
read_tree activity || fail "the labelling activity as read through AT-SPI"
# Picked up and moved, the label's box takes a screen reader's focus, so each box is heard.
read_tree listen 3 > "$announced" & listener=$!
for _ in $(seq 50); do grep -q listening "$announced" && break; sleep 0.1; done
xdotool key Return; sleep 0.3                           # pick up "switch", first in reading order
read_tree held || fail "a picked-up label"
xdotool key Right                                       # into the top box, the bulb's
wait $listener
grep -qx "switch, picked up. Start box 2 of 4: switch" "$announced" &&
  grep -qx "Box 4 of 4, beside the glass globe at the top right of the circuit: switch" "$announced" ||
  fail "picking up and moving were not announced: $(cat "$announced")"
xdotool key Return; sleep 0.3
read_tree placed || fail "a placed label"

# The question is heard on the answers; a new question takes the focus to its first answer.
xdotool key Escape; sleep 0.8                           # the activity's Exit
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
sleep 1
read_tree quiz || fail "the quiz as read through AT-SPI"
read_tree listen 4 > "$announced" & listener=$!
for _ in $(seq 50); do grep -q listening "$announced" && break; sleep 0.1; done
click "$menu" $((6000 + 1800)) $((7920 + 240))          # Next Question >>
wait $listener
grep -qx "A: Complete with no gaps" "$announced" &&
  grep -qx "Question 2: A bulb will only light up if its circuit is..." "$announced" ||
  fail "the new question was not announced: $(cat "$announced")"

# The page screen gives its words; the wizard names its boxes.
xdotool key Escape; sleep 0.8                           # the quiz's Exit
click "$menu" $((6360 + 1000)) $((120 + 240))           # Key Facts
sleep 1
read_tree page || fail "the Key Facts page as read through AT-SPI"
read_tree listen 3 > "$announced" & listener=$!
for _ in $(seq 50); do grep -q listening "$announced" && break; sleep 0.1; done
xdotool key Tab Return                                  # Next Page: its words take the focus
wait $listener
grep -q "Conductors and insulators" "$announced" || fail "the next page was not heard: $(cat "$announced")"
xdotool key Escape; sleep 0.8
xdotool key Escape; sleep 0.8                           # back to the menu
click "$menu" $((6960 + 2300)) $((5760 + 240))          # Multiple Choice Wizard
sleep 1
read_tree wizard || fail "the wizard as read through AT-SPI"
rm -f "$announced"
echo PASS
