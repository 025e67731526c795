#!/usr/bin/env python3
"""A pseudo-translation of Ornival: every text of the translations' source
bracketed, accented and lengthened ("Undo" becomes "[Ûûñðöö]"), so that a
window shown with it gives away every text that escapes translation, and
every control too narrow for a longer language.

    pseudo_translate.py SOURCE_TS HELP_FOLDER OUTPUT_FOLDER LANGUAGE

writes OUTPUT_FOLDER/ornival_LANGUAGE.ts (for lrelease), the help pages of
HELP_FOLDER as OUTPUT_FOLDER/help/LANGUAGE/*.html, and OUTPUT_FOLDER/pseudo.qrc,
which puts the released translation at :/pseudo/i18n/ and the pages at
:/help/LANGUAGE/, where the program looks for a translation's pages.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLAIN = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
ACCENTED = "åƀçðéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ"
LETTERS = dict(zip(PLAIN, ACCENTED))
VOWELS = set("aeiouAEIOU")

# What a translation keeps as it is: the markers Qt fills in (%1, %n, %L1),
# markup and its entities, the window title's "[*]".
KEPT = re.compile(r"%L?[0-9]+|%L?n|<[^>]*>|&[A-Za-z]+;|&#[0-9]+;|\[\*\]")


def accent(text):
    out = []
    for c in text:
        out.append(LETTERS.get(c, c))
        # About a third longer, as many languages are.
        if c in VOWELS:
            out.append(LETTERS[c.lower()])
    return "".join(out)


def pseudo(text, bracket=True):
    out, at = [], 0
    for kept in KEPT.finditer(text):
        out.append(accent(text[at:kept.start()]))
        out.append(kept.group())
        at = kept.end()
    out.append(accent(text[at:]))
    body = "".join(out)
    return "[" + body + "]" if bracket and text else body


def pseudo_page(html):
    """The page with its words transformed; markup, and the file format's
    keywords in <code>, as they are."""
    parts = re.split(r"(<code>.*?</code>)", html, flags=re.S)
    return "".join(part if part.startswith("<code>") else pseudo(part, bracket=False) for part in parts)


def translate_catalogue(source, target, language):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    root.set("language", language)
    root.set("sourcelanguage", "en")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.clear()
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            # English plural forms: one and other.
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    with open(target, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)


def main(arguments):
    if len(arguments) != 4:
        sys.exit(__doc__)
    source, help_folder, output, language = (Path(arguments[0]), Path(arguments[1]), Path(arguments[2]),
                                             arguments[3])
    pages_folder = output / "help" / language
    pages_folder.mkdir(parents=True, exist_ok=True)
    translate_catalogue(source, output / f"ornival_{language}.ts", language)
    pages = sorted(help_folder.glob("*.html"))
    for page in pages:
        (pages_folder / page.name).write_text(pseudo_page(page.read_text(encoding="utf-8")), encoding="utf-8")
    entries = "\n".join(f'    <file alias="{page.name}">help/{language}/{page.name}</file>' for page in pages)
    (output / "pseudo.qrc").write_text(
        "<RCC>\n"
        '  <qresource prefix="/pseudo/i18n">\n'
        f"    <file>ornival_{language}.qm</file>\n"
        "  </qresource>\n"
        f'  <qresource prefix="/help/{language}">\n'
        f"{entries}\n"
        "  </qresource>\n"
        "</RCC>\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1:])
