#!/usr/bin/env python3
"""The verdict on a party measured by bench/soak.sh.

    bench/soak_verdict.py SOAK.csv [MINUTES]

Prints first, last, least, most and the hourly trend of every measure after
the warm-up (the first fifth of the party, at least a minute), then PASS or
FAIL with the reasons, and exits 1 on FAIL.

Resident memory passes when it grows under 1 MB an hour after the warm-up by
both of two measures: the least-squares line through every sample, and the
growth from the mean of the second quarter to the mean of the last quarter
(over the time between their middles), which a single step early on or a
passing peak does not sway as much. The other measures (files, threads,
X resources) pass when no sample of the last quarter is higher than every
sample since the warm-up before it: a window or a thread that comes and goes
passes, one that stays longer every time does not.
"""
import csv
import sys

GOAL_MB_PER_HOUR = 1.0
COUNTS = ["files", "threads", "x_windows", "x_pixmaps", "x_pixmap_bytes", "x_other_bytes"]
UNITS = {"rss_kb": "kB", "rss_anon_kb": "kB", "rss_file_kb": "kB", "rss_shmem_kb": "kB",
         "x_pixmap_bytes": "B", "x_other_bytes": "B"}


def slope(xs, ys):
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    den = sum((x - mx) ** 2 for x in xs)
    return sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / den if den else 0.0


def mean(v):
    return sum(v) / len(v)


def judge(rows, minutes):
    """(report lines, failures) for the samples of a party of that many minutes."""
    warm = max(60.0, minutes * 60 / 5)
    after = [r for r in rows if r["seconds"] >= warm]
    if len(after) < 8:
        return [], [f"too short to tell: {len(after)} samples after the warm-up, 8 needed"]
    t0, t1 = after[0]["seconds"], after[-1]["seconds"]
    span = t1 - t0
    quarter = [[r for r in after if min(3, int((r["seconds"] - t0) / span * 4)) == q]
               for q in range(4)]
    if any(len(q) < 2 for q in quarter):
        return [], ["too short to tell: a quarter after the warm-up has under 2 samples"]
    hours = [r["seconds"] / 3600 for r in after]
    lines = [f"party of {rows[-1]['seconds'] / 60:.0f} min, {len(rows)} samples, "
             f"warm-up {warm / 60:.0f} min"]
    failures = []
    keys = [k for k in rows[0] if k != "seconds"]
    for key in keys:
        ys = [r[key] for r in after]
        lines.append(f"{key:15s} first {ys[0]:10.0f}  last {ys[-1]:10.0f}  min {min(ys):10.0f}  "
                     f"max {max(ys):10.0f}  trend {slope(hours, ys):+10.1f} {UNITS.get(key, '')}/h")
    mid2 = mean([r["seconds"] for r in quarter[1]]) / 3600
    mid4 = mean([r["seconds"] for r in quarter[3]]) / 3600
    rss_fit = slope(hours, [r["rss_kb"] for r in after]) / 1024
    rss_quarters = (mean([r["rss_kb"] for r in quarter[3]]) -
                    mean([r["rss_kb"] for r in quarter[1]])) / 1024 / (mid4 - mid2)
    lines.append(f"resident memory grows {rss_fit:+.2f} MB an hour by the fitted line, "
                 f"{rss_quarters:+.2f} MB an hour from the second quarter's mean to the last's "
                 f"(goal: under {GOAL_MB_PER_HOUR:g} by both)")
    if rss_fit >= GOAL_MB_PER_HOUR:
        failures.append(f"resident memory: the fitted line grows {rss_fit:+.2f} MB an hour")
    if rss_quarters >= GOAL_MB_PER_HOUR:
        failures.append(f"resident memory: the quarters' means grow {rss_quarters:+.2f} MB an hour")
    before_last = [r for r in after if r not in quarter[3]]
    for key in COUNTS:
        if key not in rows[0]:
            continue
        earlier = max(r[key] for r in before_last)
        late = max(r[key] for r in quarter[3])
        if late > earlier:
            failures.append(f"{key}: {late:.0f} in the last quarter, at most {earlier:.0f} before")
    return lines, failures


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    rows = [{k: float(v) for k, v in r.items()} for r in csv.DictReader(open(argv[1]))]
    if not rows:
        print("FAIL: no samples")
        return 1
    minutes = float(argv[2]) if len(argv) > 2 else rows[-1]["seconds"] / 60
    lines, failures = judge(rows, minutes)
    for line in lines:
        print(line)
    for f in failures:
        print(f"FAIL: {f}")
    print("FAIL" if failures else "PASS")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
