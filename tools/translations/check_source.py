#!/usr/bin/env python3
"""Fails while the committed translations' source lags behind the sources:
gathers the texts anew with lupdate, as the update_translations target does,
into a copy, and compares the messages (context, text, comment, plural),
not where they stand.

    check_source.py LUPDATE SOURCE_TS PROJECT_FOLDER [LUPDATE OPTIONS…]
"""

import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def messages(ts_file):
    found = set()
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found.add((name, message.findtext("source"), message.findtext("comment") or "",
                       message.get("numerus") == "yes"))
    return found


def main(arguments):
    if len(arguments) < 3:
        sys.exit(__doc__)
    lupdate, source, project, options = arguments[0], Path(arguments[1]), Path(arguments[2]), arguments[3:]
    with tempfile.TemporaryDirectory(prefix="ornival-translations-") as folder:
        fresh = Path(folder) / source.name
        shutil.copyfile(source, fresh)
        subprocess.run([lupdate, *options, "-no-obsolete", "-silent", "src", "-ts", str(fresh)], cwd=project,
                       check=True)
        committed, current = messages(source), messages(fresh)
    missing = sorted(current - committed, key=str)
    stale = sorted(committed - current, key=str)
    for context, text, comment, plural in missing:
        print(f"not in {source.name}: [{context}] {text!r}")
    for context, text, comment, plural in stale:
        print(f"no longer in the sources: [{context}] {text!r}")
    if missing or stale:
        print(f"{len(missing)} texts missing, {len(stale)} stale: "
              "run cmake --build <build folder> --target update_translations and commit translations/")
        return 1
    print(f"{len(current)} texts, all in {source.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
