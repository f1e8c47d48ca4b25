#!/usr/bin/env python3
"""Every text marked for translation has a finished translation in every .ts file.

Usage: scripts/check-translations.py LUPDATE [TS_FILE...]

lupdate reads the marked texts from the sources into a scratch file, so a text
marked but never brought into translations/ counts as missing. Each translation
keeps its source's placeholders (%1, %L2) and line breaks, and its access-key
marker when the source has one.
"""

import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            key = (context.findtext("name"), message.findtext("source"), message.findtext("comment"))
            found[key] = message.find("translation")
    return found


def problems_of(source, translation):
    if translation.get("type") is not None:
        return "marked %s" % translation.get("type")
    text = translation.text or ""
    if not text:
        return "empty"
    if Counter(re.findall(r"%L?\d", source)) != Counter(re.findall(r"%L?\d", text)):
        return "placeholders differ"
    lines = lambda t: (t.count("\n"), t.startswith("\n"), t.endswith("\n"))
    if lines(source) != lines(text):
        return "line breaks differ"
    if re.search(r"&[^&\s]", source) and not re.search(r"&[^&\s]", text):
        return "access key lost"
    return None


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    files = [Path(name) for name in sys.argv[2:]] or sorted((ROOT / "translations").glob("zolvenar_*.ts"))
    with tempfile.TemporaryDirectory() as scratch:
        marked = Path(scratch) / "marked.ts"
        subprocess.run([sys.argv[1], "-silent", "-locations", "none", "-I", str(ROOT), str(ROOT / "core"), str(ROOT / "window"),
                        str(ROOT / "main.cpp"), "-ts", str(marked)], check=True)
        wanted = set(messages(marked))
    failures = []
    for path in files:
        found = messages(path)
        for key in sorted(wanted - set(found), key=str):
            failures.append("%s: missing %s %r" % (path.name, key[0], key[1]))
        for key in sorted(set(found) - wanted, key=str):
            failures.append("%s: no longer marked %s %r" % (path.name, key[0], key[1]))
        for key in sorted(wanted & set(found), key=str):
            problem = problems_of(key[1], found[key])
            if problem:
                failures.append("%s: %s %r: %s" % (path.name, key[0], key[1], problem))
    print("\n".join(failures) if failures else "%d texts translated in %d files" % (len(wanted), len(files)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
