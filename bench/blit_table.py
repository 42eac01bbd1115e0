#!/usr/bin/env python3
"""Turns blit_bench's JSON output into a table: our member, the scalar member, SDL2 and memcpy per
conversion (medians when the run had repetitions), with the speed-ups over SDL2 and the cost
relative to memcpy: one table for the widest level and one for each level the run measured.

    blit_bench --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true \
        --benchmark_out=blit.json --benchmark_out_format=json
    bench/blit_table.py blit.json
"""
import json
import math
import statistics
import sys


def load_times(path):
    """Median real time in microseconds of every (kind, conversion) in the file."""
    with open(path) as f:
        data = json.load(f)
    runs = {}
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" or b.get("error_occurred"):
            continue
        kind, _, name = b["run_name"].partition("/")
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b.get("time_unit", "ns")]
        runs.setdefault((kind, name), []).append(b["real_time"] * scale)
    return {key: statistics.median(values) for key, values in runs.items()}


def print_table(times, title, ours_of):
    """One table: `ours_of(name)` gives the key of our timing for a conversion."""
    names = []
    for kind, name in times:
        if kind in ("BM_Blit", "BM_BlitScalar", "BM_SDL2") and name not in names:
            names.append(name)
    names = [n for n in names if ours_of(n) in times]
    if not names:
        return
    print(f"\n### {title}\n")
    print(f"| member | ours µs | scalar µs | SDL2 µs | memcpy µs | SDL2 / ours | ours / memcpy |")
    print(f"|---|---:|---:|---:|---:|---:|---:|")
    speedups = []
    for name in names:
        ours = times[ours_of(name)]
        scalar = times.get(("BM_BlitScalar", name))
        sdl = times.get(("BM_SDL2", name))
        copy = times.get(("BM_Memcpy", name))
        cells = [f"{ours:.1f}", f"{scalar:.1f}" if scalar else "-", f"{sdl:.1f}" if sdl else "-",
                 f"{copy:.1f}" if copy else "-"]
        if sdl:
            speedups.append(sdl / ours)
        cells.append(f"{sdl / ours:.2f}×" if sdl else "-")
        cells.append(f"{ours / copy:.2f}" if copy else "-")
        print(f"| {name} | " + " | ".join(cells) + " |")
    if speedups:
        geomean = math.exp(sum(math.log(s) for s in speedups) / len(speedups))
        print(f"\nGeometric mean of SDL2 / ours over {len(speedups)} conversions: {geomean:.2f}×; "
              f"slowest: {min(speedups):.2f}×")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: blit_table.py BENCH.json")
    times = load_times(sys.argv[1])
    print_table(times, "widest level", lambda name: ("BM_Blit", name))
    levels = []
    for kind, name in times:
        level = name.rpartition("/")[2]
        if kind == "BM_BlitAt" and level not in levels:
            levels.append(level)
    for level in levels:
        print_table(times, level, lambda name, level=level: ("BM_BlitAt", f"{name}/{level}"))


if __name__ == "__main__":
    main()
