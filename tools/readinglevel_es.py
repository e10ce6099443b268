#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reports the reading grade of each Spanish Key Facts page source.

    readinglevel_es.py <pages dir> [--max-grade G]

Reads every "key *.txt" in the folder as readinglevel.py does for English (the same blocks,
sentences and numbers read as spoken, here in Spanish) and scores it by the Fernández-Huerta
index:

    L = 206.84 - 0.60 * (syllables per 100 words) - 1.02 * (words per sentence)

Fernández-Huerta's table puts 90 to 100 at the 4th grade, 80 to 90 at the 5th and 70 to 80 at
the 6th, ten points a grade; the grade reported is 4 + (90 - L) / 10, so --max-grade 5 asks for
an index of 80 or more, the same grade the English pages are held to.

Syllables are counted by the Spanish rule: every vowel makes a syllable except that an unaccented
"i" or "u" (and a "y" ending a word) joins the vowel next to it (diphthongs and triphthongs), while
two of a, e, o, í, ú side by side are separate syllables (hiatus); the "u" of "que", "qui", "gue",
"gui" is silent.
"""

import argparse
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from readinglevel import SENTENCE_END, blocks  # noqa: E402

TOKEN = re.compile(r"\d+(?:[.,]\d+)*|[^\W\d_]+")
VOWELS = "aeiouáéíóúüy"
STRONG = "aeoáéóíú"

UNITS = ("cero uno dos tres cuatro cinco seis siete ocho nueve diez once doce trece catorce "
         "quince dieciséis diecisiete dieciocho diecinueve veinte").split()
TENS = "_ _ veinte treinta cuarenta cincuenta sesenta setenta ochenta noventa".split()
HUNDREDS = ("_ ciento doscientos trescientos cuatrocientos quinientos seiscientos setecientos "
            "ochocientos novecientos").split()


def below_hundred(n):
    if n <= 20:
        return [UNITS[n]]
    if n < 30:
        return ["veinti" + UNITS[n - 20]]
    return [TENS[n // 10]] + (["y", UNITS[n % 10]] if n % 10 else [])


def below_thousand(n):
    if n < 100:
        return below_hundred(n)
    if n == 100:
        return ["cien"]
    return [HUNDREDS[n // 100]] + (below_hundred(n % 100) if n % 100 else [])


def spoken(number):
    """The words a reader says for a whole number; a decimal's parts are read as two numbers."""
    words = []
    for i, part in enumerate(re.split(r"[.,]", number)):
        n = int(part) % 1000000
        if i:
            words.append("coma")
        if n >= 1000:
            words += ([] if n // 1000 == 1 else below_thousand(n // 1000)) + ["mil"]
            n %= 1000
            if n == 0:
                continue
        words += below_thousand(n)
    return words


def syllables(word):
    w = word.lower()
    w = re.sub(r"(?<=[qg])u(?=[eéií])", "", w)
    count = 0
    previous = ""
    for i, c in enumerate(w):
        vowel = c in VOWELS and (c != "y" or i == len(w) - 1)
        if not vowel:
            previous = ""
            continue
        if not previous or (previous in STRONG and c in STRONG):
            count += 1
        previous = c
    return max(count, 1)


def measure(source):
    sentences = words = syll = 0
    for text in blocks(source):
        found = []
        for token in TOKEN.findall(text):
            found += spoken(token) if token[0].isdigit() else [token]
        if not found:
            continue
        words += len(found)
        syll += sum(syllables(w) for w in found)
        sentences += max(len(SENTENCE_END.findall(text.rstrip() + " ")), 1)
    if words == 0:
        return 100.0, 0, 0, 0
    index = 206.84 - 0.60 * 100 * syll / words - 1.02 * words / sentences
    return index, sentences, words, syll


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("pages", type=pathlib.Path)
    parser.add_argument("--max-grade", type=float)
    args = parser.parse_args()

    sources = sorted(args.pages.glob("key *.txt"))
    if not sources:
        print(f"readinglevel_es: no Key Facts sources in {args.pages}", file=sys.stderr)
        return 2
    too_hard = []
    for path in sources:
        index, sentences, words, syll = measure(path.read_text(encoding="utf-8"))
        grade = 4 + (90 - index) / 10
        print(f"{path.stem:24} grade {grade:4.1f}  (Fernández-Huerta {index:5.1f}; {sentences} "
              f"sentences, {words} words, {syll} syllables)")
        if args.max_grade is not None and grade > args.max_grade:
            too_hard.append(path.stem)
    if too_hard:
        print(f"readinglevel_es: above grade {args.max_grade:g}: {', '.join(too_hard)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
