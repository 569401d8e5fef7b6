#!/usr/bin/env python3
"""Runs the speed and memory measurements and prints them as a table.

Runs inside a display with a persistent wineserver (scripts/bench.sh sets that up),
with WINELOADER naming the build's Wine loader and WINEPREFIX and HOME pointing at
throwaway folders.

  run_bench.py BUILD_DIR [--profile-build DIR] [--root /tmp/tavrix-bench] [--rounds 5]
               [--trash 2000] [--trash-large 0] [--burn 0] [--paths 1000000] [--walk-only]
               [--label TEXT]

--profile-build names the same program built to count where the walk's time goes
(the *-bench presets); without it there is no step table.
--burn 0 deletes a copy of every selected file of the tree permanently, 3 times;
--trash-large 0 moves a copy of every selected file to the trash once (the trash
slows down as it fills, so a large request is worth one run of its own); -1 skips it.
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing left behind in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_tree  # noqa: E402

FIND_REGEX = r".*/[^/]*\.(tmp|b[^/.]k|t[^/.]*)"


def load():
    with open("/proc/loadavg") as f:
        return float(f.read().split()[0])


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run(args):
    done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                          stdin=subprocess.DEVNULL)
    if done.returncode != 0:
        sys.exit(f"{' '.join(args)} failed ({done.returncode}):\n{done.stdout}\n{done.stderr}")
    return done.stdout.splitlines()


def fields(line):
    out = {}
    for item in line.split()[1:] if line.startswith("profile") else line.split():
        key, _, value = item.partition("=")
        out[key] = value
    return out


def wine(build, program, *args):
    # The loader of the build measured, as scripts/bench.sh chose it.
    loader = os.environ["WINELOADER"]
    return run([loader, os.path.join(build, "bench", program + ".exe"), *map(str, args)])


class Series:
    """One measurement over several runs, with the 1-minute load at each."""

    def __init__(self):
        self.values, self.loads = [], []

    def add(self, value):
        self.values.append(value)
        self.loads.append(load())

    @property
    def median(self):
        return statistics.median(self.values)

    def spread(self, scale=1.0, digits=2):
        return "–".join(f"{v * scale:.{digits}f}" for v in (min(self.values), max(self.values)))

    def load_range(self):
        return f"{min(self.loads):.2f}–{max(self.loads):.2f}"


def measure_walks(build, tree, info, rounds):
    """(a), (b) and (c) in alternating rounds, so that a change of load hits all three.
    Each Wine program does one warm-up run first; its second run counts."""
    walk, listing, find = Series(), Series(), Series()
    for _ in range(rounds):
        lines = wine(build, "enum_bench", windows_path(tree), 2)
        last = fields(lines[-1])
        if int(last["files"]) != info["files"] or int(last["folders"]) != info["folders"]:
            sys.exit(f"enum_bench listed {lines[-1]}, the tree has {info['files']} files")
        listing.add(float(last["enum_ms"]) / 1000)

        lines = wine(build, "walk_bench", windows_path(tree), info["selected"], 2)
        walk.add(float(fields(lines[-1])["walk_ms"]) / 1000)

        for attempt in range(2):
            start = time.perf_counter()
            found = run(["find", tree, "-type", "f", "-regextype", "posix-extended", "-iregex",
                         FIND_REGEX])
            seconds = time.perf_counter() - start
        if len(found) != info["selected"]:
            sys.exit(f"find selected {len(found)} files, the tree has {info['selected']}")
        find.add(seconds)
    return walk, listing, find


def measure_profile(profile_build, tree, info):
    """The same walk in the build that counts its steps (slightly slower for it)."""
    lines = wine(profile_build, "walk_bench", windows_path(tree), info["selected"], 2)
    return {k: v for k, v in fields(lines[-1]).items()}


def trash_dir():
    data = os.environ.get("XDG_DATA_HOME") or os.path.join(os.environ["HOME"], ".local", "share")
    return os.path.join(data, "Trash")


def count_files(folder):
    return sum(len(files) for _, _, files in os.walk(folder))


def measure_delete(build, root, count, permanent, runs):
    series = Series()
    copy = os.path.join(root, "delete-copy")
    for _ in range(runs):
        shutil.rmtree(trash_dir(), ignore_errors=True)
        make_tree.make_copy(root, count, copy)
        lines = wine(build, "delete_bench", windows_path(copy), count,
                     "burn" if permanent else "trash")
        left = count_files(copy)
        if left:
            sys.exit(f"{left} of {count} files were not deleted")
        if not permanent:
            trashed = len(os.listdir(os.path.join(trash_dir(), "info")))
            if trashed != count:
                sys.exit(f"{trashed} of {count} files are in the trash")
        series.add(float(fields(lines[-1])["delete_ms"]) / 1000)
    shutil.rmtree(trash_dir(), ignore_errors=True)
    shutil.rmtree(copy, ignore_errors=True)
    return series


def measure_memory(build, root, paths, runs):
    path_file = os.path.join(root, "selected-cp932.txt")
    make_tree.windows_paths(root, path_file)
    peak, result = Series(), {}
    for _ in range(runs):
        result = fields(wine(build, "mem_bench", windows_path(path_file), paths)[-1])
        peak.add(int(result["peak_ws"]) / 2**20)
    return peak, int(result["path_bytes"]) / 2**20, int(result["start_ws"]) / 2**20


def mib(value):
    return f"{value:.1f} MiB"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--profile-build", help="the same build counting the walk's steps")
    parser.add_argument("--root", default="/tmp/tavrix-bench")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--trash", type=int, default=2000)
    parser.add_argument("--trash-large", type=int, default=0)
    parser.add_argument("--burn", type=int, default=0)
    parser.add_argument("--paths", type=int, default=1_000_000)
    parser.add_argument("--walk-only", action="store_true")
    parser.add_argument("--label", default="")
    opts = parser.parse_args()

    info = make_tree.build_tree(opts.root)
    tree = info["tree"]
    started = load()
    walk, listing, find = measure_walks(opts.build, tree, info, opts.rounds)
    rows = [
        ("(a) walk in the search dialog", f"{walk.median:.2f} s", walk.spread(), walk.load_range()),
        ("(b) bare FindFirstFileW/FindNextFileW listing", f"{listing.median:.2f} s",
         listing.spread(), listing.load_range()),
        ("(c) GNU find, native, same selection", f"{find.median:.3f} s", find.spread(digits=3),
         find.load_range()),
        ("a/b (target ≤ 1.5)", f"{walk.median / listing.median:.2f}", "", ""),
        ("a/c", f"{walk.median / find.median:.0f}", "", ""),
    ]
    profile = None
    if not opts.walk_only:
        if opts.profile_build:
            profile = measure_profile(opts.profile_build, tree, info)
        burn_count = opts.burn or info["selected"]
        trash = measure_delete(opts.build, opts.root, opts.trash, False, 3)
        burn = measure_delete(opts.build, opts.root, burn_count, True, 3)
        large_count = opts.trash_large or info["selected"]
        large = None
        if opts.trash_large >= 0:
            large = measure_delete(opts.build, opts.root, large_count, False, 1)
        peak, path_mb, start_mb = measure_memory(opts.build, opts.root, opts.paths, 3)
        limit = 3 * path_mb + 30
        rows += [
            (f"(d) {opts.trash:,} files to the trash, one request", f"{trash.median:.2f} s",
             f"{opts.trash / trash.median:,.0f} files/s", trash.load_range()),
            (f"(d) {burn_count:,} files deleted for good, one request", f"{burn.median:.2f} s",
             f"{burn_count / burn.median:,.0f} files/s", burn.load_range()),
        ]
        if large:
            rows.append((f"(d) {large_count:,} files to the trash, one request (1 run)",
                         f"{large.median:.2f} s", f"{large_count / large.median:,.0f} files/s",
                         large.load_range()))
        rows.append((f"(e) peak memory, {opts.paths:,} paths ({mib(path_mb)}) and their request",
                     mib(peak.median), f"limit 3 × paths + 30 = {mib(limit)}; "
                     f"{mib(start_mb)} before the paths", peak.load_range()))

    title = f"{opts.label} " if opts.label else ""
    print(f"\n{title}Tree: {info['files']:,} files in {info['folders']:,} folders "
          f"(depths 1–{max(map(int, info['depths']))}, {info['japanese_names']:,} Japanese names), "
          f"{info['selected']:,} selected by .tmp .b?k .t*; {os.cpu_count()} cores; "
          f"load {started:.2f} at the start; medians of {opts.rounds} runs"
          f"{'' if opts.walk_only else ' (d, e: 3 runs)'}\n")
    print("| Measurement | Median | Range / rate | Load (1 min) |")
    print("|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    if profile:
        total = float(profile["total"])
        print(f"\nWhere the walk's {total / 1000:.2f} s went (one profiled run):\n")
        print("| Step | Total | Per call | Share |")
        print("|---|---|---|---|")
        steps = [("per folder: path fit (%s width measurements)" % profile["measures"], "fit"),
                 ("per folder: label text", "folder_label"),
                 ("per folder: UpdateWindow", "folder_paint"),
                 ("per folder: ProcessMessages", "pump"),
                 ("per file: pattern match", "match"),
                 ("per match: add to the found list", "add"),
                 ("per match: count label (text, size)", "count_label"),
                 ("per match: UpdateWindow", "count_paint"),
                 ("the rest: listing, recursion, paths", "listing")]
        for name, key in steps:
            ms, _, calls = profile[key].partition("/")
            ms = float(ms)
            per = f"{ms * 1000 / int(calls):.1f} µs" if calls else ""
            print(f"| {name} | {ms:.0f} ms | {per} | {100 * ms / total:.0f}% |")
    with open(os.path.join(opts.root, "last-results.json"), "w") as f:
        json.dump({"rows": rows, "profile": profile, "tree": info}, f, ensure_ascii=False,
                  indent=1)


if __name__ == "__main__":
    main()
