#!/usr/bin/env python3
"""Times the program's start-up against a bare Qt window, as whole processes.

Runs bench_startup (the program as main() builds it, ending once its main window has been shown
and painted) and bench_startup_bare (an empty window of the same size, ending the same way)
alternately, offscreen, and reports the medians of wall time and peak resident memory with their
ratios. Usage: startup.py BENCH_DIR [RUNS] [--json FILE]
"""

import json
import os
import statistics
import subprocess
import sys
import time

PROGRAMS = ("bench_startup", "bench_startup_bare")


def run_once(path):
    """Wall time in seconds and peak RSS in KiB of one run of path, which must exit with 0."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.perf_counter()
    child = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{path} exited with {child.returncode}")
    return wall, usage.ru_maxrss


def main():
    args = sys.argv[1:]
    json_path = None
    if "--json" in args:
        at = args.index("--json")
        json_path = args[at + 1]
        del args[at : at + 2]
    if not args:
        sys.exit(__doc__)
    bench_dir = args[0]
    runs = int(args[1]) if len(args) > 1 else 15

    paths = {name: os.path.join(bench_dir, name) for name in PROGRAMS}
    # One untimed run each, so that both start from warm file caches.
    for path in paths.values():
        run_once(path)

    samples = {name: {"wall": [], "rss": []} for name in PROGRAMS}
    for i in range(runs):
        # Alternate which goes first, so that neither always follows the other.
        order = PROGRAMS if i % 2 == 0 else tuple(reversed(PROGRAMS))
        for name in order:
            wall, rss = run_once(paths[name])
            samples[name]["wall"].append(wall)
            samples[name]["rss"].append(rss)

    result = {"runs": runs}
    for name in PROGRAMS:
        result[name] = {
            "wall_ms_median": statistics.median(samples[name]["wall"]) * 1000,
            "rss_kib_median": statistics.median(samples[name]["rss"]),
            "wall_ms": [w * 1000 for w in samples[name]["wall"]],
            "rss_kib": samples[name]["rss"],
        }
    program, bare = result["bench_startup"], result["bench_startup_bare"]
    result["wall_ratio"] = program["wall_ms_median"] / bare["wall_ms_median"]
    result["rss_ratio"] = program["rss_kib_median"] / bare["rss_kib_median"]

    print(f"Start-up until the main window is painted, offscreen, median of {runs} runs each:")
    print(f"  {'':14} {'wall time':>10} {'peak RSS':>12}")
    for label, figures in (("program", program), ("bare window", bare)):
        print(f"  {label:14} {figures['wall_ms_median']:8.1f} ms {figures['rss_kib_median']:9.0f} KiB")
    print(f"  {'ratio':14} {result['wall_ratio']:8.2f} x  {result['rss_ratio']:9.2f} x")
    if json_path:
        with open(json_path, "w", encoding="utf-8") as out:
            json.dump(result, out, indent=1)


if __name__ == "__main__":
    main()
