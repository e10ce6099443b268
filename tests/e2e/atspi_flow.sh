#!/usr/bin/env bash
# The real program as a screen reader sees it: on an accessibility bus (started here inside a
# private session bus when there is none), the main menu and the Electricity labelling activity
# are read through AT-SPI: roles, names, and the greyed topics not enabled.
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

start_program "$exe"
read_tree() { /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" "$@"; }

read_tree menu || fail "the main menu as read through AT-SPI"
xdotool key Tab Tab Tab Return                          # Sound On → … → Electricity
sleep 0.8
click "$menu" $((3600 + 1500)) $((7920 + 240))          # Labelling Activity
sleep 0.8
read_tree activity || fail "the labelling activity as read through AT-SPI"
xdotool key Return; sleep 0.3                           # pick up "battery"
read_tree held || fail "a picked-up label"
xdotool key Right Return; sleep 0.3                     # into box 1
read_tree placed || fail "a placed label"
echo PASS
