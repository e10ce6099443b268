# Helpers for end-to-end tests: drive the real program on the X display with xdotool.
# Positions are given in twips from a window's top left, as the screens are designed.

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -n "${DISPLAY:-}" ] || fail "no X display (run the tests through scripts/run-tests)"
command -v xdotool >/dev/null || fail "xdotool is not installed (scripts/setup installs it)"

# wait_window NAME_REGEX -> prints the id of the visible window with that exact title
wait_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no visible window named '$1'"
}

# wait_gone WINDOW_ID
wait_gone() {
  for _ in $(seq 100); do
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
  x=$((X + $2 / 15))
  y=$((Y + $3 / 15))
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}
