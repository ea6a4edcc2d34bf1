#!/usr/bin/env python3
"""Prints the table of docs/performance.md from the results that scripts/bench writes.

Usage: summary.py RESULTS_DIR (holding core.json, window.json and startup.json).
"""

import json
import os
import platform
import sys


def medians(path):
    """Median aggregates of a Google Benchmark JSON file, by run name."""
    with open(path, encoding="utf-8") as source:
        data = json.load(source)
    found = {}
    for run in data["benchmarks"]:
        if run.get("aggregate_name") == "median":
            found[run["run_name"]] = run
    return data["context"], found


def find(runs, prefix):
    matches = [run for name, run in runs.items() if name.startswith(prefix)]
    if len(matches) != 1:
        sys.exit(f"expected one benchmark named {prefix}..., found {len(matches)}")
    return matches[0]


def ns(run):
    return run["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[run["time_unit"]]


def verdict(ok):
    return "met" if ok else "**missed**"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    context, core = medians(os.path.join(folder, "core.json"))
    _, window = medians(os.path.join(folder, "window.json"))
    with open(os.path.join(folder, "startup.json"), encoding="utf-8") as source:
        startup = json.load(source)

    rows = []

    parse, from_chars, strtod = (ns(find(core, name)) for name in
                                 ("ParseMeasurementEveryday", "FromCharsEveryday", "StrtodEveryday"))
    rows.append(("`ParseMeasurement`, five everyday texts", f"{parse:.1f} ns",
                 f"`from_chars` {from_chars:.1f} ns, `strtod` {strtod:.1f} ns",
                 f"{parse / from_chars:.2f} x `from_chars`", "≤ 2 x", verdict(parse <= 2 * from_chars)))

    sheet, eleven = ns(find(core, "RecalculateSheetRun")), ns(find(core, "ElevenStrtod"))
    rows.append(("`RecalculateSheet`, eleven everyday texts", f"{sheet:.0f} ns", f"eleven `strtod` {eleven:.0f} ns",
                 f"{sheet / eleven:.2f} x", "≤ 3 x", verdict(sheet <= 3 * eleven)))

    program, bare = startup["bench_startup"], startup["bench_startup_bare"]
    rows.append(("Start-up until the main window is painted, wall time",
                 f"{program['wall_ms_median']:.1f} ms", f"bare window {bare['wall_ms_median']:.1f} ms",
                 f"{startup['wall_ratio']:.2f} x", "≤ 1.3 x", verdict(startup["wall_ratio"] <= 1.3)))
    rows.append(("Start-up, peak resident memory", f"{program['rss_kib_median'] / 1024:.1f} MiB",
                 f"bare window {bare['rss_kib_median'] / 1024:.1f} MiB", f"{startup['rss_ratio']:.2f} x",
                 "≤ 1.25 x", verdict(startup["rss_ratio"] <= 1.25)))

    key = find(window, "KeystrokeIntoProgram")
    key_bare = find(window, "KeystrokeIntoBareLineEdit")
    ratio = key["median_us"] / key_bare["median_us"]
    rows.append(("One keystroke into `Edit1`, handled and repainted: median",
                 f"{key['median_us']:.0f} µs", f"bare line edit {key_bare['median_us']:.0f} µs", f"{ratio:.2f} x",
                 "≤ 3 x", verdict(ratio <= 3)))
    rows.append(("One keystroke: 99th percentile", f"{key['p99_us']:.0f} µs",
                 f"bare line edit {key_bare['p99_us']:.0f} µs", f"{key['p99_us'] / key_bare['p99_us']:.2f} x",
                 "< 2 ms", verdict(key["p99_us"] < 2000)))

    pdf = find(window, "FillAndLayOutToPdf")
    rows.append(("`FillReport` and the page laid out to a PDF in memory", f"{pdf['median_us'] / 1000:.1f} ms",
                 "—", "—", "≤ 25 ms", verdict(pdf["median_us"] <= 25000)))
    preview = find(window, "OpenPreviewUntilPainted")
    rows.append(("Print button until the preview's page is painted", f"{preview['median_us'] / 1000:.1f} ms",
                 "—", "—", "≤ 150 ms", verdict(preview["median_us"] <= 150000)))

    print("| What | Program | Peer, same run | Ratio | Target | |")
    print("|---|---:|---:|---:|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")

    print()
    print("| Pasted into `Edit1` (Ctrl+V), handled and repainted | kept | program | bare line edit | ratio |"
          " `Edit1Change` alone |")
    print("|---|---:|---:|---:|---:|---:|")
    for size, label in ((1 << 10, "1 KB"), (100 << 10, "100 KB"), (1 << 20, "1 MB")):
        paste = find(window, f"PasteIntoProgram/{size}/")
        paste_bare = find(window, f"PasteIntoBareLineEdit/{size}/")
        handler = find(window, f"Edit1ChangeOnLongText/{size}/")
        print(f"| {label} | {paste['chars_kept']:.0f} chars | {paste['median_us'] / 1000:.2f} ms |"
              f" {paste_bare['median_us'] / 1000:.2f} ms | {paste['median_us'] / paste_bare['median_us']:.2f} x |"
              f" {handler['median_us']:.1f} µs ({size / handler['median_us'] / 1000:.2f} GB/s) |")

    print()
    print(f"Machine: {context.get('num_cpus')} CPUs at {context.get('mhz_per_cpu')} MHz, {platform.platform()};"
          f" load average {context.get('load_avg')} at the start of the core run.")


if __name__ == "__main__":
    main()
