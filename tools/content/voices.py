#!/usr/bin/env python3
"""Makes the voice phrases: content/wav/*.wav and content/sound.tlk.

Reads tools/content/voices.txt (format described at its top), speaks every
phrase with espeak-ng's Russian voice, passes it through sox (optional effects,
a short fade, mono 16-bit PCM at 16000 Hz or at the rate the block asks for)
and writes sound.tlk in the program's phrase file format: the count, then for
every phrase a ">" line with the WAV name and its caption lines; Windows-1251,
CR LF.

Usage: voices.py VOICES_TXT CONTENT_DIR
"""
import os
import shlex
import subprocess
import sys
import tempfile

from build_texts import to_windows


def parse(path):
    blocks = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n").rstrip()
            if line.startswith("#") or not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                blocks.append({"file": line[1:-1], "say": "", "opt": "",
                               "fx": "", "rate": "16000", "caption": []})
            elif not blocks:
                sys.exit("voices.txt: text before the first [file.wav]")
            elif line.startswith(("say:", "opt:", "fx:", "rate:")):
                key, value = line.split(":", 1)
                blocks[-1][key] = value.strip()
            else:
                blocks[-1]["caption"].append(line)
    for b in blocks:
        if not b["caption"]:
            sys.exit("voices.txt: %s needs a caption" % b["file"])
        if not b["say"]:
            # Without a say: line the voice reads the caption word for word.
            b["say"] = " ".join(b["caption"])
    return blocks


def speak(block, out):
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.wav")
        subprocess.run(["espeak-ng", "-v", "ru"] + shlex.split(block["opt"]) +
                       ["-w", raw, block["say"]], check=True)
        fx = shlex.split(block["fx"])
        # Effects and the silence espeak leaves at the end trimmed; then the
        # loudness levelled and a short fade at both ends so nothing clicks.
        trimmed = os.path.join(tmp, "trimmed.wav")
        subprocess.run(["sox", "-R", "-D", raw, trimmed] + fx +
                       ["reverse", "silence", "1", "0.02", "0.5%", "reverse"],
                       check=True)
        subprocess.run(["sox", "-R", "-D", trimmed, "-r", block["rate"], "-c", "1",
                        "-b", "16", "-e", "signed-integer", out,
                        "norm", "-1", "fade", "t", "0.01", "-0", "0.05"], check=True)


def main():
    voices, content = sys.argv[1], sys.argv[2]
    blocks = parse(voices)
    wav_dir = os.path.join(content, "wav")
    os.makedirs(wav_dir, exist_ok=True)
    lines = [str(len(blocks))]
    for b in blocks:
        speak(b, os.path.join(wav_dir, b["file"]))
        lines.append(">" + b["file"])
        lines.extend(b["caption"])
    with open(os.path.join(content, "sound.tlk"), "wb") as f:
        f.write(to_windows("\n".join(lines) + "\n"))


if __name__ == "__main__":
    main()
