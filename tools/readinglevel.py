#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reports the Flesch-Kincaid grade of each Key Facts page source.

    readinglevel.py <pages dir> [--max-grade G]

Reads every "key *.txt" in the pages folder (the format of content/pages/README.md) and prints
one line per page: its grade, sentences, words and syllables. With --max-grade, exits with 1
when any page reads above that grade, naming the pages.

What is read is what a pupil reads: the title, headings, paragraphs, bullets, notes and picture
captions; directives, comments and the bold markers are left out. Each block ends a sentence
even without a full stop, and so does every ".", "!" or "?" followed by a space. A number
counts as one word of one syllable per digit.

grade = 0.39 * words / sentences + 11.8 * syllables / words - 15.59
"""

import argparse
import pathlib
import re
import sys

VOWEL_GROUPS = re.compile(r"[aeiouy]+")
WORD = re.compile(r"[A-Za-z0-9]+(?:['\u2019][A-Za-z]+)*")
SENTENCE_END = re.compile(r"[.!?](?:\s|$)")


def syllables(word):
    """Vowel groups, less a silent final e; at least one. Digits are read one by one."""
    if word.isdigit():
        return len(word)
    w = word.lower().replace("\u2019", "'")
    if w.endswith("'s"):
        w = w[:-2]
    count = len(VOWEL_GROUPS.findall(w))
    if w.endswith("e") and not w.endswith(("le", "ee", "ye")) and count > 1:
        count -= 1
    elif w.endswith(("ed", "es")) and len(w) > 3 and w[-3] not in "aeiouydt" and count > 1:
        # "jumped", "makes": the ending adds no syllable ("started", "boxes" keep theirs)
        if not (w.endswith("es") and w[-3] in "sxzh"):
            count -= 1
    return max(count, 1)


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
    if current:
        yield " ".join(current)


def measure(source):
    sentences = words = syll = 0
    for text in blocks(source):
        found = WORD.findall(text)
        if not found:
            continue
        words += len(found)
        syll += sum(syllables(w) for w in found)
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
    args = parser.parse_args()

    sources = sorted(args.pages.glob("key *.txt"))
    if not sources:
        print(f"readinglevel: no Key Facts sources in {args.pages}", file=sys.stderr)
        return 2
    too_hard = []
    for path in sources:
        grade, sentences, words, syll = measure(path.read_text(encoding="utf-8"))
        print(f"{path.stem:24} grade {grade:4.1f}  ({sentences} sentences, {words} words, "
              f"{syll} syllables, {words / max(sentences, 1):.1f} words a sentence)")
        if args.max_grade is not None and grade > args.max_grade:
            too_hard.append(path.stem)
    if too_hard:
        print(f"readinglevel: above grade {args.max_grade:g}: {', '.join(too_hard)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
