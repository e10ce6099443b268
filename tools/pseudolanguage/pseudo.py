#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a pseudo-translation of the program's texts, for tests of the screens.

pseudo.py SOURCE.ts OUT.ts accented|mirrored

accented: every letter accented, every text 40 % longer and wrapped in brackets, so that a text
          cut off by its box or left out of the translation system shows at a glance.
mirrored: the same texts as right-to-left paragraphs in a right-to-left language code, so that
          the screens lay out mirrored.
Place markers (%1, %n), escapes and the "&" of shortcuts are kept as they are.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥíĵķĺɱñóƥʠŕšţúṽŵẋýžÀƁÇĐÉƑĜĤÍĴĶĹṀÑÓƤǪŔŠŢÚṼŴẊÝŽ"))
PADDING = "ẋýžàƀçđéƒĝĥíĵķĺ"
KEEP = re.compile(r"(%L?\d+|%n|\\[nt]|&[a-z]+;|\*\.[a-z]+|\([^)]*\*[^)]*\))")


def pseudo(text):
    parts = KEEP.split(text)
    out = "".join(p if KEEP.fullmatch(p) else "".join(ACCENTED.get(c, c) for c in p) for p in parts)
    extra = max(1, round(len(text) * 0.4)) - 2  # the brackets count towards the 40 %
    padding = (PADDING * (extra // len(PADDING) + 1))[:max(0, extra)]
    return "[" + out + (" " + padding[1:] if extra > 1 else padding) + "]"


def main():
    source, target, kind = sys.argv[1:4]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA" if kind == "accented" else "ar_XB")
    for message in root.iter("message"):
        text = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.clear()
        # A right-to-left mark first makes each text a right-to-left paragraph.
        written = pseudo(text) if kind == "accented" else "\u200f" + pseudo(text)
        translation.text = written
        if message.get("numerus") == "yes":
            translation.text = None
            for form in list(translation):
                translation.remove(form)
            # Every plural form the language has: two in English, six in Arabic.
            for _ in range(2 if kind == "accented" else 6):
                ET.SubElement(translation, "numerusform").text = written
    os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
