#!/usr/bin/env python3
"""Makes the program's signals and its title tune from nothing but arithmetic.

  warn.wav     the toast signal: two bright glass "dings"
  drinkme.wav  the drink button: a clink of glasses, a gulp and a happy "ah"
  title.mp3    the splash tune: about two minutes of a tipsy polka in A minor

Usage: signals.py CONTENT_DIR   (needs lame for the MP3)
Everything is computed from fixed numbers, so a rerun gives the same files.
"""
import array
import math
import os
import subprocess
import sys
import tempfile
import wave

RATE = 22050


def write_wav(path, samples, rate=RATE):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.89 * 32767 / peak
    data = array.array("h", (int(s * scale) for s in samples))
    if sys.byteorder != "little":
        data.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(data.tobytes())


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(buf, at, samples, gain=1.0):
    start = int(at * RATE)
    need = start + len(samples)
    if need > len(buf):
        buf.extend([0.0] * (need - len(buf)))
    for i, s in enumerate(samples):
        buf[start + i] += s * gain


def bell(freq, seconds, decay=6.0, partials=((1, 1.0), (2.76, 0.5), (5.4, 0.25), (8.9, 0.1))):
    """A struck glass: inharmonic partials that die away at different speeds."""
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = 0.0
        for k, (mult, amp) in enumerate(partials):
            v += amp * math.exp(-decay * (1 + k) * t) * math.sin(2 * math.pi * freq * mult * t)
        attack = min(1.0, t / 0.002)
        out.append(v * attack)
    return out


def pluck(freq, seconds, bright=0.6):
    """A plucked string or accordion-ish note: a few harmonics and a soft decay."""
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / 0.008) * math.exp(-3.2 * t)
        w = 2 * math.pi * freq * t
        v = math.sin(w) + bright * 0.5 * math.sin(2 * w) + bright * 0.25 * math.sin(3 * w) \
            + bright * 0.12 * math.sin(4 * w)
        out.append(v * env)
    # A short fade at the end so notes never click.
    fade = min(n, int(0.01 * RATE))
    for i in range(fade):
        out[n - 1 - i] *= i / fade
    return out


def noise_burst(seconds, seed, colour=0.85):
    """Filtered noise, for the gulp and the fizz."""
    x = seed
    out = []
    prev = 0.0
    for _ in range(int(seconds * RATE)):
        x = (1103515245 * x + 12345) & 0x7FFFFFFF
        white = x / 0x3FFFFFFF - 1.0
        prev = colour * prev + (1 - colour) * white
        out.append(prev)
    return out


def warn():
    buf = silence(0.05)
    mix_into(buf, 0.02, bell(1568, 0.45, decay=5.0))  # G6
    mix_into(buf, 0.17, bell(2093, 0.55, decay=4.5))  # C7
    return buf


def drinkme():
    buf = silence(0.1)
    # The clink: two glasses, slightly detuned.
    mix_into(buf, 0.03, bell(2637, 0.5, decay=7.0))
    mix_into(buf, 0.035, bell(2793, 0.5, decay=7.5), 0.7)
    # Three gulps: low thumps with a falling pitch under a little noise.
    for k, at in enumerate((0.6, 0.95, 1.3)):
        n = int(0.16 * RATE)
        gulp = []
        for i in range(n):
            t = i / RATE
            f = 180 - 500 * t
            gulp.append(math.sin(2 * math.pi * f * t) * math.sin(math.pi * i / n))
        mix_into(buf, at, gulp, 0.9)
        mix_into(buf, at, noise_burst(0.16, 7 + k, 0.95), 0.6)
    # "Ah!": a vowel-ish buzz with a falling pitch.
    n = int(0.6 * RATE)
    ah = []
    for i in range(n):
        t = i / RATE
        f = 220 - 60 * t
        env = min(1.0, t / 0.03) * (1 - i / n)
        v = sum(math.sin(2 * math.pi * f * h * t) / h for h in (1, 2, 3, 4, 5, 6))
        # A crude formant: partials near 700 Hz louder.
        v += 0.8 * math.sin(2 * math.pi * 700 * t) * (0.5 + 0.5 * math.sin(2 * math.pi * f * t))
        ah.append(v * env)
    mix_into(buf, 1.65, ah, 0.5)
    return buf


NOTE = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def freq(name):
    """'A4', 'C#5', 'G3' -> Hz."""
    letter, rest = name[0], name[1:]
    semis = NOTE[letter]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semis -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)


# The tune: bars of eighth notes ("-" holds the note before, "." is a rest).
PART_A = [
    "A4 C5 E5 C5 A4 - E4 .",
    "B4 D5 E5 D5 B4 - G#4 .",
    "A4 C5 E5 A5 G5 F5 E5 D5",
    "C5 B4 A4 - E4 - A4 .",
]
PART_A2 = [
    "A4 C5 E5 C5 A4 - E4 .",
    "B4 D5 E5 D5 B4 - G#4 .",
    "C5 E5 A5 E5 D5 F5 B5 G#5",
    "A5 - E5 - C5 B4 A4 .",
]
PART_B = [
    "G4 C5 E5 G5 E5 C5 G4 .",
    "F4 A4 C5 F5 C5 A4 F4 .",
    "G4 B4 D5 G5 F5 D5 B4 G4",
    "E4 G#4 B4 E5 D5 B4 G#4 E4",
]
PART_C = [  # the hiccup: short stabs and a slide
    "E5 . E5 . E5 D#5 E5 .",
    "D5 . D5 . D5 C#5 D5 .",
    "C5 D5 E5 F5 G5 A5 B5 C6",
    "B5 - G#5 - E5 - . .",
]
CHORDS = {  # bass note and chord for each bar, in step with the parts
    "A": ["A2", "E2", "A2", "A2"],
    "B": ["C3", "F2", "G2", "E2"],
    "C": ["A2", "D3", "C3", "E2"],
}
CHORD_NOTES = {
    "A2": ("A3", "C4", "E4"), "E2": ("G#3", "B3", "E4"), "C3": ("G3", "C4", "E4"),
    "F2": ("A3", "C4", "F4"), "G2": ("G3", "B3", "D4"), "D3": ("A3", "D4", "F4"),
}
FORM = [("A", PART_A), ("A", PART_A2), ("B", PART_B), ("A", PART_A2),
        ("C", PART_C), ("A", PART_A), ("B", PART_B), ("A", PART_A2)]


def tune():
    bpm = 132
    eighth = 60.0 / bpm / 2
    bar = 8 * eighth
    buf = silence(1.0)
    t0 = 0.3
    rounds = 2
    bar_index = 0
    for r in range(rounds):
        transpose = 1.0 if r % 2 == 0 else 2 ** (2 / 12)  # the second and fourth time a tone up
        for section, bars in FORM:
            for b, line in enumerate(bars):
                start = t0 + bar_index * bar
                notes = line.split()
                k = 0
                while k < len(notes):
                    name = notes[k]
                    length = 1
                    while k + length < len(notes) and notes[k + length] == "-":
                        length += 1
                    if name not in (".", "-"):
                        mix_into(buf, start + k * eighth,
                                 pluck(freq(name) * transpose, length * eighth * 1.1, 0.7), 0.55)
                    k += length
                # Oom-pah: bass on the beats, chord on the off-beats.
                bass = CHORDS[section][b]
                for beat in range(4):
                    at = start + beat * 2 * eighth
                    if beat % 2 == 0:
                        mix_into(buf, at, pluck(freq(bass) * transpose, eighth * 1.6, 0.3), 0.5)
                    else:
                        fifth = freq(bass) * 1.5 * transpose
                        mix_into(buf, at, pluck(fifth, eighth * 1.4, 0.3), 0.35)
                    for n in CHORD_NOTES[bass]:
                        mix_into(buf, at + eighth, pluck(freq(n) * transpose, eighth * 0.8, 0.2), 0.12)
                # A clink of glasses at the end of every section.
                if b == 3 and section in ("B", "C"):
                    mix_into(buf, start + 6 * eighth, bell(2637, 0.4, decay=8.0), 0.25)
                bar_index += 1
    # The end: a final chord and a last clink.
    end = t0 + bar_index * bar
    for n in ("A2", "A3", "C4", "E4", "A4"):
        mix_into(buf, end, pluck(freq(n), 2.5, 0.4), 0.35)
    mix_into(buf, end + 0.5, bell(2637, 1.0, decay=4.0), 0.4)
    buf.extend(silence(0.5))
    return buf


def main():
    content = sys.argv[1]
    write_wav(os.path.join(content, "warn.wav"), warn())
    write_wav(os.path.join(content, "drinkme.wav"), drinkme())
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "title.wav")
        write_wav(wav, tune())
        subprocess.run(["lame", "--quiet", "-m", "m", "-b", "40", "--resample", "22.05",
                        "--tt", "Stakanych 2003", "--ta", "Stakanych", wav,
                        os.path.join(content, "title.mp3")], check=True)


if __name__ == "__main__":
    main()
