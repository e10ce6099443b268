#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program with "Read to me" on (ReadAloud=true in a private settings file): opens the
# Electricity quiz, records the silent sound server's output while the first question is read,
# and checks that speech of about the length the question and its answers need was heard.
# read_aloud_flow.sh EXE es: the same in Spanish (--language es), read by speech-dispatcher with
# espeak-ng.
set -euo pipefail
. "$(dirname "$0")/xdo.sh"
exe=$1
questions="$(dirname "$exe")/multiple/electricity.txt"
pace=4 # words a second: flite's
arguments=()
if [ "${2:-}" = es ]; then
  questions="$(dirname "$exe")/es/multiple/electricity.txt"
  pace=3 # espeak-ng's, at speech-dispatcher's usual rate
  arguments=(--language es)
  WHO_TITLE='^¿Quién juega\?$'
  WELCOME_TITLE=$(titled Bienvenida)
  MENU_TITLE=$(titled 'Menú principal')
fi
command -v parec >/dev/null || fail "parec is not installed (scripts/setup installs it)"
pactl info >/dev/null 2>&1 || fail "no sound server (run the tests through scripts/run-tests)"

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/Quorvel"
printf '[General]\nReadAloud=true\n' > "$XDG_CONFIG_HOME/Quorvel/quorvel.conf"

start_program "$exe" "${arguments[@]}"
click "$menu" $((3360 + 1500)) $((3600 + 180))          # Electricity
sleep 0.5
parec -d quorvel.monitor --raw --format=s16le --rate=16000 --channels=1 > "$work/heard.raw" &
recorder=$!
trap 'kill $program $recorder 2>/dev/null || true; rm -rf "$work"' EXIT
click "$menu" $((120 + 1500)) $((7920 + 240))           # Multiple Choice
who_is_playing Ada
sleep 20
kill $recorder

# "Question 1", the question and its four answers (lines 3 to 7 of the worksheet file) with their
# letters, at the voice's pace, are heard from the first sound to the last for between half and
# twice that time.
words=$(($(tr -d '\r' < "$questions" | sed -n 3,7p | wc -w) + 6))
python3 - "$work/heard.raw" "$words" "$pace" <<'PY' || fail "speech of the wrong length"
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
loud = [i for i in range(0, len(samples) - 160, 160)
        if max(abs(s) for s in samples[i:i + 160]) > 500]
heard = (loud[-1] - loud[0]) / 16000 if loud else 0.0
expected = int(sys.argv[2]) / int(sys.argv[3])
print(f"heard {heard:.1f} s of speech; the question needs about {expected:.1f} s")
sys.exit(0 if expected / 2 <= heard <= expected * 2 else 1)
PY
echo PASS
