#!/usr/bin/env python3
"""Cuts a failing session report down to the fewest actions and start
drawing lines that still fail the same way, replaying each try through
build/test_sessions (PLIVET_SESSION_REPLAY):

    scripts/reduce_session.py REPORT OUT

REPORT is a failure report of the random sessions (its first line says
what failed); OUT gets the cut-down session, ready for tests/sessions/faults.
The opening of each run and the crashes between runs are kept.
"""
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TESTER = os.path.join(ROOT, "build", "test_sessions")


def parse(lines):
    start, runs, part = [], [], None
    for line in lines:
        if line.startswith("--- d.plv at the start:"):
            part = "start"
        elif line.startswith("--- script "):
            part = "script"
            runs.append([])
        elif line.startswith("--- "):
            part = None
        elif part == "start":
            start.append(line)
        elif part == "script" and re.match(r"# \d+: ", line):
            runs[-1].append([line])
        elif part == "script" and runs[-1]:
            runs[-1][-1].append(line)
    return start, runs


def text(start, runs):
    out = ["--- d.plv at the start:"] + start
    for i, run in enumerate(runs):
        out.append("--- script %d of %d:" % (i + 1, len(runs)))
        out += [line for action in run for line in action]
    return "\n".join(out) + "\n--- end\n"


def failure(start, runs):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write(text(start, runs))
    env = dict(os.environ, PLIVET_SESSION_REPLAY=f.name)
    result = subprocess.run([TESTER, "--gtest_filter=Sessions.Random*"], env=env, capture_output=True, text=True)
    os.unlink(f.name)
    first = [line for line in result.stdout.splitlines() if line.startswith("replay, action")]
    return first[0] if first else None


def kind_of(first_line):
    # What failed, without where: "...): WHAT; details" or "...): WHAT: details"
    return re.split(r"[;:]", re.sub(r"^.*?\): ", "", first_line))[0]


def main():
    report = open(sys.argv[1]).read().splitlines()
    start, runs = parse(report)
    headline = failure(start, runs)
    if not headline:
        sys.exit("the report does not fail when replayed")
    kind = kind_of(headline)
    fails = lambda s, r: (failure(s, r) or "").find(kind) >= 0
    droppable = lambda r: [(i, j) for i, run in enumerate(r) for j, a in enumerate(run)
                           if j > 0 and not a[0].endswith(": crash")]
    without = lambda r, drop: [[a for j, a in enumerate(run) if (i, j) not in drop] for i, run in enumerate(r)]
    changed = True
    while changed:
        changed = False
        for unit in droppable(runs):  # one action at a time, from the first
            if unit in droppable(runs) and fails(start, without(runs, {unit})):
                runs, changed = without(runs, {unit}), True
        for k in range(len(start) - 1, 2, -1):  # drawing lines after the header
            if fails(start[:k] + start[k + 1:], runs):
                start, changed = start[:k] + start[k + 1:], True
    open(sys.argv[2], "w").write(text(start, runs))
    print("still fails with: " + kind)


if __name__ == "__main__":
    main()
