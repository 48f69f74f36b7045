#!/usr/bin/env python3
"""Builds the text files of the content folder.

The sources under tools/content/src/ are UTF-8 with LF line ends, so that they
are pleasant to edit. The program reads Windows-1251 text with CR LF line ends,
so every source is written to content/ in that form. The phrase files
text.tlk, tost.tlk and zag.tlk get their count line (the number of ">" lines)
computed here; sound.tlk is made from tools/content/voices.txt together with
the voice WAVs (see voices.py).

Usage: build_texts.py SRC_DIR CONTENT_DIR
"""
import os
import sys

PHRASE_FILES = {"text.tlk", "tost.tlk", "zag.tlk"}


def to_windows(text):
    """UTF-8 text with any line ends -> cp1251 bytes with CR LF line ends."""
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    lines = [line.rstrip(" \t") for line in lines]
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


def phrase_file(text):
    """Puts the count line in front of a phrase file's phrases."""
    count = sum(1 for line in text.split("\n") if line.startswith(">"))
    return "%d\n%s" % (count, text)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    for root, _dirs, files in os.walk(src):
        for name in sorted(files):
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src)
            with open(path, encoding="utf-8") as f:
                text = f.read()
            if rel in PHRASE_FILES:
                text = phrase_file(text)
            try:
                data = to_windows(text)
            except UnicodeEncodeError as e:
                bad = text[e.start:e.end]
                sys.exit("%s: character %r has no Windows-1251 form" % (rel, bad))
            out = os.path.join(dst, rel)
            os.makedirs(os.path.dirname(out), exist_ok=True)
            with open(out, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
