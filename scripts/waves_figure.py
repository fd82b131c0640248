#!/usr/bin/env python3
"""Writes a matplotlib line plot to each file named (.svg, .pdf, ...): title,
axis labels, ticks, a legend and markers, its texts kept as texts. The
figure the import tests and the README's picture start from.
    scripts/waves_figure.py OUT...
"""
import math
import sys

import matplotlib

matplotlib.use("Agg")
matplotlib.rcParams.update({"svg.fonttype": "none", "pdf.fonttype": 42, "svg.hashsalt": "plivet"})
import matplotlib.pyplot as plt  # noqa: E402

fig, ax = plt.subplots(figsize=(6.4, 4.8))
x = [i / 10 for i in range(63)]
ax.plot(x, [math.sin(v) for v in x], label="sine", marker="o", markevery=10)
ax.plot(x, [math.cos(v) for v in x], "--", label="cosine")
ax.set_title("Damped waves")
ax.set_xlabel("time (s)")
ax.set_ylabel("amplitude")
ax.legend()
for out in sys.argv[1:]:
    fig.savefig(out)
