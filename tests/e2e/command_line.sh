#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program's command line, with no display: a GIFT file written for a learning platform,
# with questions of other kinds mixed in, becomes a worksheet; a file with nothing to take
# changes nothing; the worksheet exports to Aiken and imports again unchanged; a built-in quiz
# exports to GIFT; the answer key prints into a PDF file that pdftotext reads back, and in Spanish
# the Spanish quiz's key with its printed words in Spanish.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
# A private copy of the run folder, so the build's own worksheets are never touched.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -a "$(dirname "$1")/." "$copy/"
exe="$copy/$(basename "$1")"
folder="$copy/multiple"
unset DISPLAY WAYLAND_DISPLAY

gift="$copy/forces.gift"
{
  printf '// Forces, for the learning platform\r\n$CATEGORY: $course$/Forces\r\n\r\n'
  printf '::tf::The Sun is a star.{T}\r\n\r\n::sa::Name the force that slows a parachute.{=drag}\r\n\r\n'
  for q in 1 2 3 4 5 6 7 8 9 10; do
    printf '::q%s::[html]Push number <b>%s</b> is a...{~pull =push, %s ~twist ~turn}\r\n\r\n' "$q" "$q" "$q"
  done
} > "$gift"

[ "$("$exe" import "$gift" --list | grep -c ': fits$')" -eq 10 ] || fail "--list"
out=$("$exe" import "$gift" --title "Forces CLI" 2> "$copy/err") || fail "import failed"
[ "$out" = "Made the worksheet Forces CLI of the questions taken 1 to 10." ] ||
  fail "import reported: $out"
[ "$(cat "$copy/err")" = "$(printf '%s\n' 'Skipped "tf": it is a true/false question.' \
  'Skipped "sa": it is a short-answer question.')" ] || fail "import skipped: $(cat "$copy/err")"
sheet="$folder/Forces CLI.txt"
[ "$(tr -d '\r' < "$sheet" | sed -n 3,5p | paste -sd '|')" = "Push number 1 is a...|pull|push& 1" ] ||
  fail "the worksheet does not hold question 1 as the quiz shows it"
tr -d '\r' < "$folder/track.txt" | grep -qxF "Forces CLI" || fail "the worksheet is not catalogued"

before=$(md5sum < "$folder/track.txt")
printf '// only a comment\n' > "$copy/empty.gift"
if "$exe" import "$copy/empty.gift" 2> "$copy/err" > /dev/null; then fail "an empty import succeeded"; fi
grep -q "no question" "$copy/err" || fail "an empty import said: $(cat "$copy/err")"
[ "$(md5sum < "$folder/track.txt")" = "$before" ] || fail "an empty import changed the catalogue"

"$exe" export "Forces CLI" "$copy/forces.txt" > /dev/null || fail "export to Aiken failed"
grep -qx "ANSWER: B" "$copy/forces.txt" || fail "the Aiken file names no right answer B"
"$exe" import "$copy/forces.txt" --title "Forces again" > /dev/null || fail "the Aiken file did not import"
diff <(tail -n +2 "$sheet") <(tail -n +2 "$folder/Forces again.txt") ||
  fail "the worksheet changed on its way through Aiken"

"$exe" export electricity "$copy/electricity.gift" > /dev/null || fail "export of a quiz failed"
[ "$(grep -c '^::Electricity [0-9]*::' "$copy/electricity.gift")" -eq 10 ] ||
  fail "the built-in quiz did not export as ten GIFT questions"

"$exe" print "Forces CLI" --answers --pdf "$copy/key.pdf" > /dev/null || fail "print failed"
text=$(pdftotext -layout "$copy/key.pdf" -)
grep -q "Push number 10 is a" <<< "$text" || fail "the answer key lacks question 10"
grep -q "^ *Answers" <<< "$text" || fail "the answer key has no Answers heading"
grep -Eq "1\. B +2\. B +3\. B.* 10\. B" <<< "$text" || fail "the answer key lists the wrong answers"
# In Spanish: the Spanish quiz, with the printed words in Spanish.
"$exe" --language es print introduction --answers --pdf "$copy/clave.pdf" > /dev/null ||
  fail "print in Spanish failed"
text=$(pdftotext -layout "$copy/clave.pdf" -)
for line in "^Pregunta 1 +¿Qué es una fuerza\?" "^Introducción" "^Soluciones"; do
  grep -Eq "$line" <<< "$(sed 's/^ *//' <<< "$text")" || fail "the Spanish answer key lacks $line"
done

# A full disk (a file size limit of 1 KiB) or a failing device: the export or PDF says it failed
# and an existing file stays as it was.
echo "the teacher's own file" > "$copy/old.gift"
cp "$copy/old.gift" "$copy/old.pdf"
for cmd in 'export electricity "$copy/old.gift"' 'print "Forces CLI" --pdf "$copy/old.pdf"'; do
  if (trap '' XFSZ; ulimit -f 1; eval "\"\$exe\" $cmd") > /dev/null 2>&1; then
    fail "$cmd said it succeeded on a full disk"
  fi
done
cmp -s "$copy/old.gift" "$copy/old.pdf" || fail "a failed export or PDF changed the file"
if "$exe" print "Forces CLI" --pdf /dev/full > /dev/null 2>&1; then fail "--pdf /dev/full saved"; fi
[ -c /dev/full ] || fail "--pdf /dev/full replaced the device"
# Twenty imports of one title at once make twenty worksheets, in an empty class folder that they
# all set up at once.
race="$copy/race"
mkdir "$race"
for i in $(seq 20); do "$exe" --class-folder "$race" import "$copy/forces.txt" --title Race > /dev/null & done
wait
[ "$(ls "$race"/Race*.txt | wc -l)" = 20 ] || fail "twenty imports at once left $(ls "$race"/Race*.txt | wc -l)"
[ "$(tr -d '\r' < "$race/track.txt" | grep -c '^Race')" = 20 ] || fail "not every import is listed"
mkfifo "$copy/pipe.gift"
if timeout 10 "$exe" import "$copy/pipe.gift" > /dev/null 2>&1; then fail "a pipe was imported"; fi

"$exe" --version | grep -qx "Quorvel [0-9.]*" || fail "--version"
"$exe" --help | grep -q "print TITLE \[--answers\] \[--pdf FILE\]" || fail "--help"
# The windows without a display (QT_QPA_PLATFORM set but empty, as a login script may leave it):
# one line and status 1, not the toolkit's abort.
status=0; said=$(QT_QPA_PLATFORM= "$exe" 2>&1) || status=$?
[ "$status" = 1 ] && [ "$(wc -l <<< "$said")" = 1 ] || fail "no display: status $status, $said"
echo "command line: ok"
