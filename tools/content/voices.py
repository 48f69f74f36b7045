#!/usr/bin/env python3
"""Makes the voice phrases: content/wav/*.wav and content/sound.tlk.

Reads tools/content/voices.txt (format described at its top) and speaks every
phrase with Festival's Russian voice msu_ru_nsh (Debian packages festival and
festvox-ru), or with espeak-ng's Russian voice where a block asks for it. A
phrase may be cut into parts with "||" and "|": each part is spoken on its
own and the parts are joined with silence, so an anecdote gets a real pause
before its punchline ("||") and a short one where the other speaker takes
over ("|"). A part that starts with ">" belongs to the second speaker: sox
changes its pitch and pace (fx2:), so a dialogue is heard as two people.
Festival's unit-selection voice joins recorded units as they are (it ignores
Duration_Stretch and the intonation targets), so the change is made by sox
after the voice. Then sox (optional effects, trimmed silence, a short fade,
mono 16-bit PCM at 16000 Hz or at the rate the block asks for). Finally
sound.tlk in the program's phrase file format: the count, then for every
phrase a ">" line with the WAV name and its caption lines; Windows-1251,
CR LF.

Both voices and sox give the same bytes for the same input, so a second run
leaves the content folder as it was.

Usage: voices.py VOICES_TXT CONTENT_DIR
"""
import os
import re
import shlex
import subprocess
import sys
import tempfile

from build_texts import to_windows

KEYS = ("say:", "opt:", "fx:", "fx2:", "rate:", "voice:", "pause:", "turn:")
VOICES = ("festival", "espeak")
MAX_INNER_PAUSE = 0.4
# Letters and marks Festival's Russian voice reads; anything else in a say:
# text would be spelled or dropped, so it is refused here.
FESTIVAL_TEXT = re.compile(r"[А-Яа-яЁё0-9 .,!?;:+\-]*")


def parse(path):
    blocks = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n").rstrip()
            if line.startswith("#") or not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                blocks.append({"file": line[1:-1], "say": "", "opt": "", "fx": "",
                               "fx2": "pitch 500 tempo 1.05", "rate": "16000", "voice": "festival",
                               "pause": "0.9", "turn": "0.45", "caption": [],
                               "line": number})
            elif not blocks:
                sys.exit("voices.txt: text before the first [file.wav]")
            elif line.startswith(KEYS):
                key, value = line.split(":", 1)
                blocks[-1][key] = value.strip()
            else:
                blocks[-1]["caption"].append(line)
    for b in blocks:
        where = "voices.txt:%d: %s" % (b["line"], b["file"])
        if not b["caption"]:
            sys.exit("%s needs a caption" % where)
        if b["voice"] not in VOICES:
            sys.exit("%s: unknown voice %r" % (where, b["voice"]))
        if not b["say"]:
            # Without a say: line the voice reads the caption word for word,
            # without the quotation marks and the dialogue dashes.
            text = " ".join(b["caption"])
            b["say"] = re.sub(r"[«»\"]", "", text).replace(" - ", ", ")
        # "||" and "|" between the parts; the silence before every part but
        # the first, and who says it.
        pieces = re.split(r"(\|\|?)", b["say"])
        b["parts"], b["gaps"], b["second"] = [], [], []
        for i, piece in enumerate(pieces):
            if i % 2:
                b["gaps"].append(b["pause"] if piece == "||" else b["turn"])
                continue
            piece = piece.strip()
            b["second"].append(piece.startswith(">"))
            b["parts"].append(piece[1:].strip() if piece.startswith(">") else piece)
        if b["file"].startswith("anek_") and "||" not in b["say"]:
            sys.exit("%s: an anecdote needs its pause before the punchline (||)" % where)
        if b["voice"] == "festival":
            if b["opt"]:
                sys.exit("%s: opt: is for voice: espeak only" % where)
            for p in b["parts"]:
                if not p or not FESTIVAL_TEXT.fullmatch(p):
                    sys.exit("%s: Festival cannot read %r" % (where, p))
    return blocks


def scheme_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


def festival_parts(blocks, tmp):
    """Speaks every part of every Festival block in one Festival run."""
    script = ["(voice_msu_ru_nsh_clunits)"]
    for b in blocks:
        if b["voice"] != "festival":
            continue
        for i, part in enumerate(b["parts"]):
            out = os.path.join(tmp, "%s.%d.raw.wav" % (b["file"], i))
            script.append("(utt.save.wave (utt.synth (Utterance Text %s)) %s 'riff)"
                          % (scheme_string(part), scheme_string(out)))
    path = os.path.join(tmp, "speak.scm")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(script) + "\n")
    run = subprocess.run(["festival", "-b", path], capture_output=True, text=True)
    # Festival reports a character it has no rule for and goes on; that
    # would be a spelled or missing word, so it stops the build.
    if run.returncode != 0 or "no rule matches" in run.stderr or "ERROR" in run.stderr:
        sys.exit("festival failed:\n" + run.stderr)


def espeak_part(block, i, tmp):
    out = os.path.join(tmp, "%s.%d.raw.wav" % (block["file"], i))
    subprocess.run(["espeak-ng", "-v", "ru"] + shlex.split(block["opt"]) +
                   ["-w", out, block["parts"][i]], check=True)


def sox(*args):
    subprocess.run(["sox", "-R", "-D"] + list(args), check=True)


def finish(block, tmp, out):
    parts = []
    for i in range(len(block["parts"])):
        raw = os.path.join(tmp, "%s.%d.raw.wav" % (block["file"], i))
        trimmed = os.path.join(tmp, "%s.%d.wav" % (block["file"], i))
        # The silence the voice leaves at both ends trimmed away, and every
        # pause inside the part kept to at most MAX_INNER_PAUSE seconds: the
        # story goes briskly, the long pause is the one before the punchline.
        sox(raw, "-r", "16000", "-c", "1", trimmed,
            "silence", "-l", "1", "0.02", "0.5%", "-1", str(MAX_INNER_PAUSE), "0.5%",
            "reverse", "silence", "1", "0.02", "0.5%", "reverse")
        if block["second"][i]:
            second = trimmed + ".second.wav"
            sox(trimmed, second, *shlex.split(block["fx2"]))
            trimmed = second
        parts.append(trimmed)
    joined = os.path.join(tmp, "%s.joined.wav" % block["file"])
    if len(parts) == 1:
        os.replace(parts[0], joined)
    else:
        # Every part but the first starts after the pause before it.
        padded = [parts[0]]
        for p, gap in zip(parts[1:], block["gaps"]):
            q = p + ".pad.wav"
            sox(p, q, "pad", gap, "0")
            padded.append(q)
        sox(*padded, joined)
    effects = os.path.join(tmp, "%s.fx.wav" % block["file"])
    # Effects such as reverb leave a tail; what fades below hearing is cut.
    sox(joined, effects, *shlex.split(block["fx"]),
        "reverse", "silence", "1", "0.02", "0.5%", "reverse")
    # The loudness levelled and a short fade at both ends so nothing clicks.
    sox(effects, "-r", block["rate"], "-c", "1", "-b", "16", "-e", "signed-integer", out,
        "norm", "-1", "fade", "t", "0.01", "-0", "0.05")


def main():
    voices, content = sys.argv[1], sys.argv[2]
    blocks = parse(voices)
    wav_dir = os.path.join(content, "wav")
    os.makedirs(wav_dir, exist_ok=True)
    lines = [str(len(blocks))]
    with tempfile.TemporaryDirectory() as tmp:
        festival_parts(blocks, tmp)
        for b in blocks:
            if b["voice"] == "espeak":
                for i in range(len(b["parts"])):
                    espeak_part(b, i, tmp)
            finish(b, tmp, os.path.join(wav_dir, b["file"]))
            lines.append(">" + b["file"])
            lines.extend(b["caption"])
    with open(os.path.join(content, "sound.tlk"), "wb") as f:
        f.write(to_windows("\n".join(lines) + "\n"))


if __name__ == "__main__":
    main()
