#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reports the Flesch-Kincaid grade of each Key Facts page source.

    readinglevel.py <pages dir> [--max-grade G] [--dictionary FILE]

Reads every "key *.txt" in the pages folder (the format of content/pages/README.md) and prints
one line per page: its grade, sentences, words and syllables. With --max-grade, exits with 1
when any page reads above that grade, naming the pages.

What is read is what a pupil reads: the title, headings, paragraphs, bullets, notes and picture
captions; directives, comments and the bold markers are left out. Each block ends a sentence
even without a full stop, a heading included, and so does every ".", "!" or "?" followed by a
space. A number is read as it is spoken ("1791" is "seventeen ninety-one", "230" is "two hundred
and thirty") and each spoken word counts.

Syllables come from the CMU pronouncing dictionary as Debian ships it for speech synthesis
(package festlex-cmu, already split into syllables); only a word that is not in it is counted by
a spelling rule.

grade = 0.39 * words / sentences + 11.8 * syllables / words - 15.59
"""

import argparse
import pathlib
import re
import sys

DICTIONARY = pathlib.Path("/usr/share/festival/dicts/cmu/cmudict-0.4.out")
ENTRY = re.compile(r'^\("([^"]+)" \S+ \((.*)\)\)\s*$')
SYLLABLE = re.compile(r"\(\([^()]*\) \d\)")
VOWEL_GROUPS = re.compile(r"[aeiouy]+")
TOKEN = re.compile(r"\d+(?:[.,]\d+)*|[A-Za-z]+(?:['\u2019][A-Za-z]+)*")
SENTENCE_END = re.compile(r"[.!?](?:\s|$)")

ONES = ("zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
        "fifteen sixteen seventeen eighteen nineteen").split()
TENS = "_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()


def load_dictionary(path):
    """Word -> syllables, from the first entry of each word."""
    counts = {}
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = ENTRY.match(line)
            if m and m.group(1) not in counts:
                counts[m.group(1)] = len(SYLLABLE.findall(m.group(2)))
    return counts


def below_hundred(n):
    if n < 20:
        return [ONES[n]]
    return [TENS[n // 10]] + ([ONES[n % 10]] if n % 10 else [])


def below_thousand(n):
    if n < 100:
        return below_hundred(n)
    words = [ONES[n // 100], "hundred"]
    return words + (["and"] + below_hundred(n % 100) if n % 100 else [])


def spoken(number):
    """The words a reader says for a number as written: a year from 1100 to 1999 in pairs
    ("eighteen thirty-one"), other whole numbers in full, decimals digit by digit after "point"."""
    whole, _, fraction = number.replace(",", "").partition(".")
    n = int(whole)
    if 1100 <= n <= 1999 and "," not in number and not fraction:
        rest = n % 100
        words = below_hundred(n // 100)
        if rest == 0:
            words.append("hundred")
        else:
            words += (["oh"] if rest < 10 else []) + below_hundred(rest)
    elif n >= 1000000:
        words = [ONES[d] for d in map(int, whole)]
    else:
        words = (below_thousand(n // 1000) + ["thousand"] if n >= 1000 else [])
        if n % 1000 or n == 0:
            if n >= 1000 and n % 1000 < 100:
                words.append("and")
            words += below_thousand(n % 1000)
    if fraction:
        words += ["point"] + [ONES[int(d)] for d in fraction]
    return words


def rule_syllables(w):
    """Vowel groups, less a silent final e or a silent "-ed"/"-es"; at least one."""
    count = len(VOWEL_GROUPS.findall(w))
    if w.endswith("e") and not w.endswith(("le", "ee", "ye")) and count > 1:
        count -= 1
    elif w.endswith(("ed", "es")) and len(w) > 3 and w[-3] not in "aeiouydt" and count > 1:
        # "jumped", "makes": the ending adds no syllable ("started", "boxes" keep theirs)
        if not (w.endswith("es") and w[-3] in "sxzh"):
            count -= 1
    return max(count, 1)


class Counter:
    def __init__(self, dictionary):
        self.dictionary = dictionary
        self.guessed = set()

    def word(self, word):
        w = word.lower().replace("\u2019", "'")
        key = w.replace("'", "")
        if key in self.dictionary:
            return self.dictionary[key]
        if w.endswith("'s") and w[:-2] in self.dictionary:
            stem = w[:-2]
            return self.dictionary[stem] + (1 if stem.endswith(("s", "x", "z", "ch", "sh", "ce",
                                                                "ge")) else 0)
        if key.endswith("s") and key[:-1] in self.dictionary:
            stem = key[:-1]
            return self.dictionary[stem] + (1 if stem.endswith(("s", "x", "z", "ch", "sh"))
                                            else 0)
        self.guessed.add(key)
        return rule_syllables(key)

    def words(self, text):
        """The words of a text as they are read aloud, each with its syllables."""
        for token in TOKEN.findall(text):
            if token[0].isdigit():
                for w in spoken(token):
                    yield w, self.word(w)
            else:
                yield token, self.word(token)


def blocks(source):
    """The texts a pupil reads, one per block of the page source."""
    current = []
    for raw in source.splitlines():
        line = raw.strip()
        if line.startswith("@") or line.startswith("//"):
            continue
        picture = re.fullmatch(r"\[picture:\s*([^|\]]*)(?:\|([^|\]]*))?(?:\|[^\]]*)?\]", line)
        starts_block = (not line or line.startswith(("#", "- ", "> ")) or picture
                        or re.match(r"\d+\. ", line))
        if starts_block and current:
            yield " ".join(current)
            current = []
        if not line:
            continue
        if picture:
            if picture.group(2) and picture.group(2).strip():
                yield picture.group(2).strip()
            continue
        text = re.sub(r"^(#+|-|>|\d+\.)\s+", "", line)
        current.append(text.replace("**", ""))
        if line.startswith("#"):
            # a heading is read on its own, as a sentence without a full stop
            yield " ".join(current)
            current = []
    if current:
        yield " ".join(current)


def measure(source, counter):
    sentences = words = syll = 0
    for text in blocks(source):
        found = list(counter.words(text))
        if not found:
            continue
        words += len(found)
        syll += sum(n for _, n in found)
        inner = len(SENTENCE_END.findall(text.rstrip() + " "))
        sentences += max(inner, 1)
    if words == 0:
        return 0.0, 0, 0, 0
    grade = 0.39 * words / sentences + 11.8 * syll / words - 15.59
    return grade, sentences, words, syll


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("pages", type=pathlib.Path)
    parser.add_argument("--max-grade", type=float)
    parser.add_argument("--dictionary", type=pathlib.Path, default=DICTIONARY)
    parser.add_argument("--verbose", action="store_true",
                        help="also list the words counted by the spelling rule")
    args = parser.parse_args()

    if not args.dictionary.is_file():
        print(f"readinglevel: no pronouncing dictionary at {args.dictionary} "
              "(scripts/setup installs festlex-cmu)", file=sys.stderr)
        return 2
    counter = Counter(load_dictionary(args.dictionary))

    sources = sorted(args.pages.glob("key *.txt"))
    if not sources:
        print(f"readinglevel: no Key Facts sources in {args.pages}", file=sys.stderr)
        return 2
    too_hard = []
    for path in sources:
        grade, sentences, words, syll = measure(path.read_text(encoding="utf-8"), counter)
        print(f"{path.stem:24} grade {grade:4.1f}  ({sentences} sentences, {words} words, "
              f"{syll} syllables, {words / max(sentences, 1):.1f} words a sentence)")
        if args.max_grade is not None and grade > args.max_grade:
            too_hard.append(path.stem)
    if args.verbose and counter.guessed:
        print("not in the dictionary: " + " ".join(sorted(counter.guessed)))
    if too_hard:
        print(f"readinglevel: above grade {args.max_grade:g}: {', '.join(too_hard)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
