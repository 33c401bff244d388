#!/usr/bin/env python3
"""The whole textmend-filter process beside the Unix tools, on the same files in the
same run: start, read standard input, process, write standard output, exit.

Usage: process_bench.py FILTER CORPUS_DIR [--runs N] [--json FILE]

CORPUS_DIR holds corpus-<N>.txt (CR LF text) for N = 1, 10, 50. The LF form of each
(every CR LF made LF) is written beside it for the filter's default mode. Every command
runs N times (5 by default), the commands taking turns so that a busy moment of the
machine falls on all of them alike; each figure is the median. Times are wall clock, as
a user waits for them; CPU time (user + system) is printed beside them. Output goes to
/dev/null. MB is 10^6 bytes. --json writes every median to FILE as well.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

SIZES = [1, 10, 50]
EVERYTHING = ["--proper", "--remgt", "--dblspc", "--sentence", "--noblanks", "--trimcr",
              "--remcrdbl", "--invisible", "--plainpunct", "--joinwords", "--trimspaces",
              "--keeplists"]
# The clean-ups an older build of the filter may not have: left out when its --help
# does not list them.
LATER_STEPS = ["--invisible", "--plainpunct", "--joinwords", "--trimspaces", "--keeplists"]
JOIN_AWK = ('BEGIN {{ RS = "{rs}"; ORS = "" }} '
            '/^[ \\t]*$/ {{ printf "{rs}{rs}"; sep = ""; next }} '
            '{{ printf "%s%s", sep, $0; sep = " " }}')


def join(rs):
    return f"awk '{JOIN_AWK.format(rs=rs)}'"


def unix_tools(rs):
    """The nearest Unix command for each filter option, and their chain for every option,
    for text whose lines end in rs: {option: (command, label)}, chain."""
    tools = {
        "--upper": ("tr a-z A-Z", "tr a-z A-Z"),
        "--lower": ("tr A-Z a-z", "tr A-Z a-z"),
        "--proper": ("tr a-z A-Z", "tr a-z A-Z"),
        "--remgt": ("sed -E 's/^ *(> *)*//'", "sed (quotes)"),
        "--dblspc": ("sed 's/\\.  */. /g'", "sed (spaces)"),
        "--noblanks": ("sed '/^[ \\t]*$/d'", "sed (blank lines)"),
        "--remcrs": (join(rs), "awk (join)"),
        "--remcrdbl": (f"{join(rs)} | {join(rs)}", "awk | awk (join)"),
    }
    chain = " | ".join(tools[option][0] for option in
                       ["--upper", "--remgt", "--dblspc", "--noblanks", "--remcrs"])
    return tools, chain


OPERATIONS = ["--upper", "--lower", "--proper", "--remgt", "--dblspc", "--sentence",
              "--noblanks", "--trimcr", "--remcrs", "--remcrdbl", "--invisible", "--plainpunct",
              "--joinwords", "--trimspaces"]


def known_to(filter_program, options):
    """options without the later clean-ups filter_program does not know."""
    help_text = subprocess.run([filter_program, "--help"], capture_output=True,
                               text=True).stdout
    return [o for o in options if o not in LATER_STEPS or o in help_text]


class Measure:
    """One command on one file: its runs' wall and CPU seconds and peak resident bytes."""

    def __init__(self, command, path):
        self.command, self.path = command, path
        self.wall, self.cpu, self.rss = [], [], []

    def run(self):
        # GNU time reports the peak resident memory: a child forked from this script
        # would count the script's own memory in its peak.
        with open(self.path, "rb") as source, open(os.devnull, "wb") as sink, \
                tempfile.NamedTemporaryFile("r") as report:
            start = time.perf_counter()
            child = subprocess.Popen(
                ["/usr/bin/time", "-f", "%M", "-o", report.name, "bash", "-c", self.command],
                stdin=source, stdout=sink, env=dict(os.environ, LC_ALL="C"))
            _, status, usage = os.wait4(child.pid, 0)
            self.wall.append(time.perf_counter() - start)
            peak_kilobytes = report.read().split()[-1]
        if status != 0:
            sys.exit(f"failed ({status}): {self.command} < {self.path}")
        self.cpu.append(usage.ru_utime + usage.ru_stime)
        self.rss.append(int(peak_kilobytes) * 1024)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("filter")
    parser.add_argument("corpus_dir")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--json")
    arguments = parser.parse_args()
    filter_program, corpus_dir, runs = arguments.filter, arguments.corpus_dir, arguments.runs
    files = {}
    for mb in SIZES:
        crlf = os.path.join(corpus_dir, f"corpus-{mb}.txt")
        lf = os.path.join(corpus_dir, f"corpus-{mb}-lf.txt")
        if not os.path.exists(lf) or os.path.getmtime(lf) < os.path.getmtime(crlf):
            with open(crlf, "rb") as source, open(lf, "wb") as target:
                target.write(source.read().replace(b"\r\n", b"\n"))
        files[("raw", mb)] = crlf
        files[("LF", mb)] = lf

    # (mode, label, MB) -> (ours, theirs, their label)
    rows = {}
    measures = []

    def add(mode, label, mb, arguments, counterpart, counterpart_label):
        path = files[(mode, mb)]
        flags = (["--raw"] if mode == "raw" else []) + arguments
        ours = Measure(" ".join([filter_program] + flags), path)
        theirs = Measure(counterpart, path) if counterpart else None
        measures.extend(m for m in (ours, theirs) if m)
        rows[(mode, label, mb)] = (ours, theirs, counterpart_label)

    for mode in ["raw", "LF"]:
        tools, chain = unix_tools("\\r\\n" if mode == "raw" else "\\n")
        for mb in SIZES:
            add(mode, "every option", mb, known_to(filter_program, EVERYTHING), chain,
                "tr|sed|sed|sed|awk")
            for operation in known_to(filter_program, OPERATIONS):
                tool, tool_label = tools.get(operation, (None, "-"))
                add(mode, operation, mb, [operation], tool, tool_label)
        for mb in SIZES:
            add(mode, "--cleanse", mb, ["--cleanse"], "cat", "cat")

    load_before = os.getloadavg()[0]
    for _ in range(runs):
        for measure in measures:
            measure.run()
    load_after = os.getloadavg()[0]

    print(f"{filter_program}: the whole process, median of {runs} runs, wall clock (CPU user +"
          " system);")
    print("raw: --raw on CR LF text; LF: the default mode on the same text with LF breaks.")
    print(f"{'mode':<4} {'options':<13} {'MB':>3} {'ours ms':>16} {'MB/s':>7} {'peak RSS':>9}"
          f"  {'counterpart':<19} {'theirs ms':>16} {'faster':>7}")
    median = statistics.median
    for (mode, label, mb), (ours, theirs, their_label) in rows.items():
        size = os.path.getsize(files[(mode, mb)])
        wall, cpu = median(ours.wall), median(ours.cpu)
        line = (f"{mode:<4} {label:<13} {mb:>3} {wall * 1e3:7.1f} ({cpu * 1e3:6.1f})"
                f" {size / 1e6 / wall:7.1f} {max(ours.rss) / size:8.2f}x")
        if theirs:
            their_wall, their_cpu = median(theirs.wall), median(theirs.cpu)
            line += (f"  {their_label:<19} {their_wall * 1e3:7.1f} ({their_cpu * 1e3:6.1f})"
                     f" {their_wall / wall:6.2f}x")
        print(line)

    print()
    targets = []

    def target(text, value, limit, at_least, cpu_value=None):
        met = value >= limit if at_least else value <= limit
        targets.append(met)
        sign = ">=" if at_least else "<="
        cpu = f", {cpu_value:.2f} in CPU time" if cpu_value is not None else ""
        print(f"{text}: {value:.2f}{cpu} (target {sign} {limit}): {'met' if met else 'MISSED'}")

    print(f"Targets, judged in wall-clock time; the machine's load average was {load_before:.1f} "
          f"before the runs and {load_after:.1f} after ({os.cpu_count()} processors).")
    for mode, limit in [("raw", 5), ("LF", 4)]:
        ours, theirs, _ = rows[(mode, "every option", 50)]
        target(f"every option, {mode}, 50 MB: times as fast as the Unix chain",
               median(theirs.wall) / median(ours.wall), limit, True,
               median(theirs.cpu) / median(ours.cpu))
    ours, cat, _ = rows[("raw", "--cleanse", 50)]
    target("--raw --cleanse, 50 MB: time / time of cat", median(ours.wall) / median(cat.wall),
           2, False, median(ours.cpu) / median(cat.cpu))
    for mode in ["raw", "LF"]:
        large, small = rows[(mode, "every option", 50)][0], rows[(mode, "every option", 10)][0]
        target(f"every option, {mode}: time on 50 MB / time on 10 MB",
               median(large.wall) / median(small.wall), 5.5, False)
        target(f"every option, {mode}, 50 MB: peak resident memory / input size",
               max(large.rss) / os.path.getsize(files[(mode, 50)]), 2.5, False)
    print("all whole-process targets met" if all(targets) else "whole-process targets missed")

    if arguments.json:
        def figures(measure, mode, option, mb, **more):
            return {"mode": mode, "option": option, "MB": mb, "wall": median(measure.wall),
                    "cpu": median(measure.cpu), "peak": max(measure.rss), **more}
        with open(arguments.json, "w") as out:
            json.dump({
                "raw sizes": {mb: os.path.getsize(files[("raw", mb)]) for mb in SIZES},
                "ours": [figures(ours, *key) for key, (ours, _, _) in rows.items()],
                "counterparts": [figures(theirs, *key, command=label)
                                 for key, (_, theirs, label) in rows.items() if theirs],
            }, out, indent=1)


if __name__ == "__main__":
    main()
