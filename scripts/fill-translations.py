#!/usr/bin/env python3
"""Fills translations/zolvenar_<language>.ts, the desktop entry's and the AppStream
metadata's translated keys from the translators' files.

Usage: scripts/fill-translations.py TRANSLATORS_DIR

TRANSLATORS_DIR holds source.tsv (id, max_px, context, English) and <language>.json
(id -> translation), line breaks written as backslash-n; each later pass adds
source<N>.tsv and <language>.<N>.json (2, 3), whose translations win over the earlier
passes' (a translator's correction of an earlier text included). "help.usage.full"
there is a translator's whole --help text: it is split over CommandLine's messages, as
many lines to each as its English has, and wins over the amendments' additions. A .ts
message takes the translation of the id its disambiguation names, else of the id whose
English is its source text; where two ids share an English text with different
translations, the code must name the id: tr("Zolvenar", "caption.zolvenar").

translations/amendments.json holds what the translators' files lack, in their form:
"fixes" replace a translation by id while the translators' file still holds "was"
(a text that did not fit its control), "additions" translate English texts they have
not seen yet. A message neither gives keeps the translation the .ts already has.

Run after `cmake --build build --target update_translations` (lupdate), then build:
lrelease compiles the .ts files into the program.
"""

import json
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TS_DIR = ROOT / "translations"
DESKTOP = ROOT / "packaging" / "zolvenar.desktop"
METAINFO = ROOT / "packaging" / "zolvenar.metainfo.xml"
LCONVERT = "/usr/lib/qt6/bin/lconvert"


def unescape(text):
    return text.replace("\\n", "\n")


PASSES = ("", ".2", ".3")  # source<pass>.tsv and <language><pass>.json, in the order they were written
HELP_ID = "help.usage.full"


def load_sources(folder):
    sources = {}
    for number in PASSES:
        path = folder / ("source%s.tsv" % number.lstrip("."))
        if not path.exists():
            continue
        with open(path, encoding="utf-8") as table:
            next(table)
            for line in table:
                ident, _, _, english = line.rstrip("\n").split("\t")
                sources[ident] = unescape(english)
    return sources


def load_language(folder, language, sources, amendments):
    translated = {}
    for number in PASSES:
        path = folder / (language + number + ".json")
        if path.exists():
            translated.update(json.loads(path.read_text(encoding="utf-8")))
    for ident, fix in amendments.get("fixes", {}).get(language, {}).items():
        if translated.get(ident) == fix["was"]:
            translated[ident] = fix["now"]
        else:
            print("%s: %s changed since its fix; the translators' text stays" % (language, ident))
    by_id = {ident: unescape(text) for ident, text in translated.items() if ident in sources}
    by_english = {}
    clashes = set()
    for ident, text in by_id.items():
        english = sources[ident]
        if by_english.setdefault(english, text) != text:
            clashes.add(english)
    for english, text in amendments.get("additions", {}).get(language, {}).items():
        by_english.setdefault(unescape(english), unescape(text))
    return by_id, by_english, clashes, unescape(translated[HELP_ID]) if HELP_ID in translated else None


def split_help(tree, path, full):
    """The whole --help text over CommandLine's messages, in their order."""
    lines = full.splitlines(True)
    parts = {}
    for context in tree.getroot().iter("context"):
        if context.findtext("name") != "CommandLine":
            continue
        for message in context.iter("message"):
            source = message.findtext("source")
            taken = source.count("\n")
            parts[source] = "".join(lines[:taken])
            lines = lines[taken:]
    if lines or not parts:
        sys.exit("%s: %s has other lines than the --help text" % (path.name, HELP_ID))
    return parts


def fill_ts(path, language, by_id, by_english, clashes, help_full):
    tree = ET.parse(path)
    tree.getroot().set("language", language)  # lupdate guesses a country ("ar_EG") from the bare name
    if help_full is not None:
        by_english = dict(by_english, **split_help(tree, path, help_full))
    missing = []
    for message in tree.iter("message"):
        source = message.findtext("source")
        comment = message.findtext("comment")
        translation = message.find("translation")
        if comment in by_id:
            text = by_id[comment]
        elif source in clashes:
            sys.exit("%s: %r has two translations: name its id as the disambiguation" % (path.name, source))
        else:
            text = by_english.get(source)
        if text is None:
            if translation.get("type") is not None or not translation.text:
                missing.append(source)
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # lupdate's own layout, so that its next run changes no line.
    subprocess.run([LCONVERT, "-locations", "none", "-i", str(path), "-o", str(path)], check=True)
    for source in missing:
        print("%s: no translation for %r" % (path.name, source))


def replace_translated_lines(lines, is_translated, translations_after):
    """Drops the lines is_translated picks, then puts translations_after(line)'s after each line."""
    result = []
    for line in lines:
        if is_translated(line):
            continue
        result.append(line)
        result.extend(translations_after(line))
    return result


def fill_desktop(languages, sources):
    keys = {"Name": "desktop.name", "GenericName": "desktop.genericName", "Comment": "desktop.comment",
            "Keywords": "desktop.keywords"}

    def after(line):
        key, _, value = line.partition("=")
        if key not in keys:
            return []
        assert value == sources[keys[key]], "the desktop entry's %s is not source.tsv's" % key
        return ["%s[%s]=%s" % (key, language, texts[keys[key]]) for language, texts in sorted(languages.items())]

    lines = DESKTOP.read_text(encoding="utf-8").splitlines()
    lines = replace_translated_lines(lines, lambda line: re.match(r"^\w+\[[^]]+\]=", line), after)
    DESKTOP.write_text("\n".join(lines) + "\n", encoding="utf-8")


def fill_metainfo(languages, sources):
    text = METAINFO.read_text(encoding="utf-8")
    # Generated elements are one line each and the only ones with xml:lang.
    text = "".join(line for line in text.splitlines(True) if 'xml:lang="' not in line)

    def escaped(value):
        return value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")

    def elements(indent, tag, ident):
        return "".join('%s<%s xml:lang="%s">%s</%s>\n' % (indent, tag, language, escaped(texts[ident]), tag)
                       for language, texts in sorted(languages.items()))

    summary = re.search(r"( *)<summary>(.*)</summary>\n", text)
    assert summary.group(2) == sources["meta.summary"], "the metadata's summary is not source.tsv's"
    text = text[:summary.end()] + elements(summary.group(1), "summary", "meta.summary") + text[summary.end():]
    for number in (3, 2, 1):  # from the end, so the earlier positions hold
        paragraph = list(re.finditer(r"( *)<p>\s*(.*?)\s*</p>\n", text, re.S))[number - 1]
        ident = "meta.p%d" % number
        assert " ".join(paragraph.group(2).split()) == sources[ident], "the metadata's %s is not source.tsv's" % ident
        text = text[:paragraph.end()] + elements(paragraph.group(1), "p", ident) + text[paragraph.end():]
    keywords = re.search(r"( *)</keywords>\n", text)
    indent = keywords.group(1) + "  "
    words = "".join('%s<keyword xml:lang="%s">%s</keyword>\n' % (indent, language, escaped(word))
                    for language, texts in sorted(languages.items())
                    for word in texts["desktop.keywords"].split(";") if word)
    text = text[:keywords.start()] + words + text[keywords.start():]
    METAINFO.write_text(text, encoding="utf-8")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = Path(sys.argv[1])
    sources = load_sources(folder)
    amendments = json.loads((TS_DIR / "amendments.json").read_text(encoding="utf-8"))
    languages = {}
    for path in sorted(TS_DIR.glob("zolvenar_*.ts")):
        language = path.stem[len("zolvenar_"):]
        by_id, by_english, clashes, help_full = load_language(folder, language, sources, amendments)
        fill_ts(path, language, by_id, by_english, clashes, help_full)
        languages[language] = by_id
    fill_desktop(languages, sources)
    fill_metainfo(languages, sources)


if __name__ == "__main__":
    main()
