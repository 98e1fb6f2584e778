#!/usr/bin/env python3
"""Times two shell commands in turn (A B A B ...), so that a machine whose speed drifts
weighs on both alike. Prints each side's median wall time, the A/B ratio pair by pair and
each side's peak resident memory: the largest single process of the command's tree, as
/usr/bin/time reports it (wait4() on the command, which folds in every descendant it
waited for). time stands between us and the command so that our own size, which a forked
child carries until it execs, does not count."""

import argparse
import statistics
import subprocess
import sys
import tempfile
import time


def timed(command):
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        proc = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name, "sh", "-c", command],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        wall = time.perf_counter() - start
        if proc.returncode != 0:
            sys.exit(f"failed ({proc.returncode}): {command}\n{proc.stderr.decode(errors='replace')}")
        peak_kib = int(report.read().split()[-1])
    return wall, peak_kib * 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--prepare", default="", help="untimed, before every run")
    parser.add_argument("--name-a", default="A")
    parser.add_argument("--name-b", default="B")
    parser.add_argument("a")
    parser.add_argument("b")
    args = parser.parse_args()

    def prepare():
        if args.prepare:
            subprocess.run(args.prepare, shell=True, check=True)

    results = {"a": [], "b": []}
    for _ in range(args.runs):
        for side in ("a", "b"):
            prepare()
            results[side].append(timed(getattr(args, side)))
    prepare()

    width = max(len(args.name_a), len(args.name_b))
    for side, name in (("a", args.name_a), ("b", args.name_b)):
        walls = [w for w, _ in results[side]]
        peak = max(m for _, m in results[side])
        print(f"  {name:<{width}}  wall median {statistics.median(walls):7.3f} s"
              f" (min {min(walls):.3f}, max {max(walls):.3f})   peak RSS {peak / 1048576:6.1f} MiB")
    ratios = [a[0] / b[0] for a, b in zip(results["a"], results["b"])]
    print(f"  ratio {args.name_a}/{args.name_b} pair by pair: median {statistics.median(ratios):.3f}"
          f" (min {min(ratios):.3f}, max {max(ratios):.3f}) over {args.runs} pairs")


if __name__ == "__main__":
    main()
