#!/usr/bin/env python3
"""Runs benchmark programs in turn, one process after the other, and prints per program, benchmark
and figure (time or counter) the median over every repetition of every run with its range and
interquartile range, and the machine's load averages before and after.

    bench/interleave.py --runs 6 old=../kyvelo-old/build/bench/kyvelo_bench_chart \
        new=build/bench/kyvelo_bench_chart -- --benchmark_filter=DragVsBaseline --benchmark_repetitions=5

The programs alternate, their order reversed every other round (A B, B A, A B, ...), so that a
change of the machine's load falls on both alike. --pin N runs each under `taskset -c N`."""
import argparse
import json
import statistics
import subprocess
import sys
from collections import defaultdict


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def run(program, args, pin):
    command = (["taskset", "-c", str(pin)] if pin is not None else []) + [program, *args, "--benchmark_format=json"]
    output = subprocess.run(command, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("run_type", "iteration") != "iteration" or entry.get("error_occurred"):
            continue
        figures = {k: v for k, v in entry.items() if isinstance(v, (int, float)) and not isinstance(v, bool)}
        for name in ("iterations", "repetitions", "repetition_index", "threads", "family_index",
                     "per_family_instance_index"):
            figures.pop(name, None)
        yield entry["run_name"], figures


def quartiles(values):
    if len(values) < 4:
        return min(values), max(values)
    q = statistics.quantiles(values, n=4)
    return q[0], q[2]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=6, help="processes per program (default 6)")
    parser.add_argument("--pin", type=int, help="processor to run on (taskset -c)")
    parser.add_argument("programs", nargs="+", help="NAME=PROGRAM, then -- and the benchmark's arguments")
    split = sys.argv.index("--") if "--" in sys.argv else len(sys.argv)
    options = parser.parse_args(sys.argv[1:split])
    args = sys.argv[split + 1:]
    programs = [p.split("=", 1) for p in options.programs]
    samples = defaultdict(list)
    print(f"load before: {load()}")
    for round_ in range(options.runs):
        for name, program in programs if round_ % 2 == 0 else reversed(programs):
            for benchmark, figures in run(program, args, options.pin):
                for figure, value in figures.items():
                    samples[(benchmark, figure, name)].append(value)
    print(f"load after: {load()}")
    for (benchmark, figure, name), values in sorted(samples.items()):
        low, high = quartiles(values)
        print(f"{benchmark:50} {figure:14} {name:8} median {statistics.median(values):10.4g}  "
              f"min-max {min(values):.4g}-{max(values):.4g}  IQR {low:.4g}-{high:.4g}  n={len(values)}")


if __name__ == "__main__":
    main()
