# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for end-to-end tests: drive the real program on the X display with xdotool.
# Positions are given in twips from a window's top left, as the screens are designed; SCALE is the
# display's scale in per cent (full screen), 100 unless set.

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -n "${DISPLAY:-}" ] || fail "no X display (run the tests through scripts/run-tests)"
command -v xdotool >/dev/null || fail "xdotool is not installed (scripts/setup installs it)"

# titled SCREEN -> the exact title of the window showing that screen, as a pattern for wait_window
# ("Main menu": the window "Quorvel: Main menu"; an empty SCREEN: the backdrop, "Quorvel")
titled() {
  if [ -n "$1" ]; then printf '^Quorvel: %s$' "$1"; else printf '^Quorvel$'; fi
}

# wait_window NAME_REGEX -> prints the id of the visible window with that exact title; waits up to
# 30 s, as a busy machine can take over 10 s to start the program
wait_window() {
  local id=""
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no visible window named '$1'"
}

# wait_gone WINDOW_ID
wait_gone() {
  for _ in $(seq 300); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "window $1 is still there"
}

# click WINDOW_ID X_TWIPS Y_TWIPS
click() {
  local geometry x y
  geometry=$(xdotool getwindowgeometry --shell "$1") || fail "window $1 is gone"
  eval "$geometry"
  x=$((X + $2 * ${SCALE:-100} / 1500))
  y=$((Y + $3 * ${SCALE:-100} / 1500))
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

# start_program EXE [ARGUMENT...]: starts the program as $program (killed when the test ends), presses the
# title screen's "OK" and sets $menu to the main menu's window (titled WELCOME_TITLE and MENU_TITLE
# when set, for another language). Every 800 x 600 screen is centred
# at the same place, so the menu's position serves for every later screen.
start_program() {
  "$@" >/dev/null 2>&1 & program=$!
  trap 'kill $program 2>/dev/null || true' EXIT
  local title
  title=$(wait_window "${WELCOME_TITLE:-$(titled Welcome)}")
  click "$title" $((1320 + 600)) $((6000 - 90 + 180))   # OK (its frame starts 90 twips up)
  menu=$(wait_window "${MENU_TITLE:-$(titled 'Main menu')}")
}

# answer_quiz WINDOW DIGIT... -> picks the given answer (1 to 4) of each question and presses
# "Next Question >>" / "Check Score >>".
answer_quiz() {
  local window=$1 digit
  shift
  for digit in "$@"; do
    click "$window" $((2400 + 150)) $((5400 + 600 * (digit - 1) + 260))
    click "$window" $((6000 + 1800)) $((7920 + 240))
  done
  sleep 0.5
}

# who_is_playing [NAME] -> answers the "Who is playing?" question (its window title is WHO_TITLE
# when set, for another language) that the first quiz, worksheet or
# activity of a run asks: types NAME and presses Enter ("Play"), or without a name presses Escape
# ("Skip", a guest).
who_is_playing() {
  wait_window "${WHO_TITLE:-^Who is playing\?\$}" > /dev/null
  sleep 0.3
  if [ -n "${1:-}" ]; then
    xdotool type --delay 30 "$1"
    xdotool key Return
  else
    xdotool key Escape
  fi
  sleep 0.5
}

# print_certificate WINDOW NAME -> on the results screen at full marks: types the name, presses
# "Print Certificate", closes the message, and waits for a new PDF in $QUORVEL_PDF_DIR.
print_certificate() {
  local window=$1 before
  before=$(ls "${QUORVEL_PDF_DIR:?}" | wc -l)
  click "$window" $((3120 + 2000)) $((6600 + 300))     # the name box
  xdotool key ctrl+a                                   # over the name of who is playing
  xdotool type --delay 30 "$2"
  click "$window" $((240 + 1800)) $((1800 + 240))      # Print Certificate
  sleep 1
  xdotool key Return                                   # "Your certificate is now printing."
  for _ in $(seq 150); do
    [ "$(ls "$QUORVEL_PDF_DIR" | wc -l)" -gt "$before" ] && return 0
    sleep 0.2
  done
  return 1
}
