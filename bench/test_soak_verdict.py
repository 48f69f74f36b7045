#!/usr/bin/env python3
"""The soak's verdict on parties whose figures are known."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import soak_verdict  # noqa: E402

MINUTES = 65
SAMPLE = 15


def party(rss=lambda t: 60000, threads=lambda t: 6, windows=lambda t: 4):
    """Rows of a 65-minute party sampled every 15 s; figures as functions of seconds."""
    return [{"seconds": float(t), "rss_kb": float(rss(t)), "files": 12.0,
             "threads": float(threads(t)), "x_windows": float(windows(t))}
            for t in range(0, MINUTES * 60 + 1, SAMPLE)]


def per_hour(mb):
    return lambda t: 60000 + mb * 1024 * t / 3600


class Verdict(unittest.TestCase):
    def failures(self, rows, minutes=MINUTES):
        return soak_verdict.judge(rows, minutes)[1]

    def test_parties(self):
        cases = {
            # name: (rows, passes)
            "flat": (party(), True),
            "noise of a few hundred kB": (party(rss=lambda t: 60000 + 300 * ((t // 15) % 3)), True),
            "growth only in the warm-up": (party(rss=lambda t: 50000 + 10 * min(t, 600)), True),
            "half a megabyte an hour": (party(rss=per_hour(0.5)), True),
            "a megabyte and a fifth an hour": (party(rss=per_hour(1.2)), False),
            # Steps up to the middle, then flat: the line through them is steep
            # while the late quarters are level.
            "steps after the warm-up, then flat":
                (party(rss=lambda t: 61000 + 1800 * min(3, max(0, (t - 900) // 400))), False),
            # A late step is growth the quarters see and the line softens.
            "a step in the last quarter": (party(rss=lambda t: 60000 + (3000 if t > 3300 else 0)),
                                           False),
            "a window that comes and goes": (party(windows=lambda t: 4 + (t // 15) % 2), True),
            "a thread more at the end": (party(threads=lambda t: 6 + (t > 3500)), False),
            "a window more every ten minutes": (party(windows=lambda t: 4 + t // 600), False),
        }
        for name, (rows, passes) in cases.items():
            with self.subTest(name):
                self.assertEqual(self.failures(rows) == [], passes, self.failures(rows))

    def test_too_short_to_tell_fails(self):
        self.assertTrue(self.failures(party()[:5]))

    def test_exit_status_and_last_line(self):
        for rows, status, last in [(party(), 0, "PASS"), (party(rss=per_hour(3)), 1, "FAIL")]:
            with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as f:
                keys = list(rows[0])
                f.write(",".join(keys) + "\n")
                for r in rows:
                    f.write(",".join(str(r[k]) for k in keys) + "\n")
            out = os.popen(f"{sys.executable} {soak_verdict.__file__} {f.name} {MINUTES}")
            lines = out.read().splitlines()
            code = out.close()
            os.unlink(f.name)
            with self.subTest(last):
                self.assertEqual(lines[-1], last)
                self.assertEqual(0 if code is None else os.waitstatus_to_exitcode(code), status)


if __name__ == "__main__":
    unittest.main()
