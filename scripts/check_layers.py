#!/usr/bin/env python3
"""Fails when a source file under src/ includes a folder its layer may not use.

The layers, top to bottom; each folder may include itself and the folders
named after it, nothing else:

    app > companion > windows > scenario > platform, formats, widgets > core

Usage: check_layers.py [SRC_DIR]
"""
import pathlib
import re
import sys

ALLOWED = {
    "app": {"companion", "windows", "scenario", "platform", "formats", "widgets", "core"},
    "companion": {"windows", "scenario", "platform", "formats", "widgets", "core"},
    "windows": {"scenario", "platform", "formats", "widgets", "core"},
    "scenario": {"platform", "formats", "core"},
    "platform": {"core"},
    "formats": {"core"},
    "widgets": {"core"},
    "core": set(),
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"', re.MULTILINE)


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    wrong = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        layer = path.relative_to(src).parts[0]
        if layer not in ALLOWED:
            wrong.append(f"{path}: folder {layer}/ is in no layer")
            continue
        text = path.read_text(encoding="utf-8")
        for match in INCLUDE.finditer(text):
            target = match.group(1)
            if target != layer and target not in ALLOWED[layer]:
                line = text.count("\n", 0, match.start()) + 1
                wrong.append(f"{path}:{line}: {layer}/ may not include {target}/")
    for w in wrong:
        print(w)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
