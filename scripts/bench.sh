#!/usr/bin/env bash
# Speed of Textmend against its nearest Unix counterparts, on the same corpus files
# in the same run: builds the benchmark and the filter in Release (build-bench),
# writes the corpus at 1, 10 and 50 MB, then
# - times the whole textmend-filter process beside tr, sed, awk and their chain, each
#   command five times, medians, wall clock, with peak memory (scripts/process_bench.py);
# - runs the engine's in-memory benchmarks and sets their CPU time against the same
#   Unix runs' CPU time, user plus system, which other work on a shared machine
#   disturbs little.
# FILTER=path times another textmend-filter binary in the whole-process table (an
# older build, say); the engine figures are always this tree's. MB is 10^6 bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build-bench
work="$build_dir/bench-work"
sizes=(1 10 50)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DTEXTMEND_BUILD_TESTS=OFF \
      -DTEXTMEND_BUILD_QT=OFF -DTEXTMEND_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" --target textmend-bench textmend-corpus textmend-filter

mkdir -p "$work"
for mb in "${sizes[@]}"; do
  "$build_dir/bench/textmend-corpus" "$mb" "$work/corpus-$mb.txt"
done

echo "=== the engine"
"$build_dir/bench/textmend-bench" --corpus-dir="$work" \
    --benchmark_out="$work/engine.json" --benchmark_out_format=json

echo "=== the whole process"
python3 scripts/process_bench.py "${FILTER:-$build_dir/src/filter/textmend-filter}" "$work" \
    --json "$work/process.json"

echo "=== the engine against the Unix tools"
python3 - "$work/engine.json" "$work/process.json" <<'PYTHON'
import json
import sys

engine_file, process_file = sys.argv[1], sys.argv[2]

# Best of the repetitions, in CPU seconds and in wall-clock seconds, per
# (name, megabytes): on a shared machine the slower runs are mostly noise.
def keep_best(table, key, cpu, wall):
    old_cpu, old_wall = table.get(key, (cpu, wall))
    table[key] = (min(cpu, old_cpu), min(wall, old_wall))

# The Unix tools' CPU seconds on the CR LF corpus, from the whole-process runs.
process = json.load(open(process_file))
sizes_in_bytes = {int(size): count for size, count in process["raw sizes"].items()}
unix = {}
labels = {}
for run in process["counterparts"]:
    if run["mode"] == "raw":
        unix[(run["option"], run["MB"])] = (run["cpu"], run["wall"])
        labels[run["option"]] = run["command"]

ours = {}
for run in json.load(open(engine_file))["benchmarks"]:
    if run.get("run_type") != "iteration":
        continue
    name, size = run["run_name"].split("/")[:2]
    assert run["time_unit"] == "ms"
    keep_best(ours, (name, int(size)), run["cpu_time"] / 1e3, run["real_time"] / 1e3)

def speed(size, seconds):
    return sizes_in_bytes[size] / 1e6 / max(seconds, 1e-6)

# The filter option whose Unix counterpart each benchmark is set against.
counterparts = {"Upper": "--upper", "Lower": "--lower", "Proper": "--upper", "remGT": "--remgt",
                "remDblspc": "--dblspc", "remBlanks": "--noblanks", "remCRs": "--remcrs"}
operations = ["Pipeline", "PipelineAll", "Upper", "Lower", "Proper", "ToUpper", "ToLower",
              "ToProper", "remGT", "remDblspc", "Sentence", "remBlanks", "trimCR", "remCRs",
              "invisible", "plainpunct", "joinwords", "trimspaces", "remCRsKeepLists"]
# The single steps as the pipeline runs them, and the later clean-ups, each of which may
# cost no more than the slowest of those.
steps = ["Upper", "Lower", "Proper", "remGT", "remDblspc", "Sentence", "remBlanks", "trimCR",
         "remCRs"]
later_steps = ["invisible", "plainpunct", "joinwords", "trimspaces", "remCRsKeepLists"]

print("The engine in memory against the Unix tools' whole runs above, in MB/s of CPU time (user")
print("+ system); wall-clock MB/s in brackets.")
print("Upper, Lower and Proper write into an output buffer reused from run to run, as the")
print("pipeline's steps do and as tr reuses its buffer; ToUpper, ToLower and ToProper are the")
print("public functions, returning a new string (fresh memory) each run.")
print(f"{'operation':<10} {'MB':>3} {'ours':>18}  {'counterpart':<24} {'theirs':>18} {'ratio':>6}")
missed = []
for operation in operations:
    for size in sorted(sizes_in_bytes):
        if (operation, size) not in ours:
            continue
        cpu, wall = ours[(operation, size)]
        mine = f"{speed(size, cpu):8.1f} ({speed(size, wall):7.1f})"
        tool = counterparts.get(operation)
        label = labels.get(tool, "-")
        if (tool, size) not in unix:
            print(f"{operation:<10} {size:>3} {mine}  {label:<24} {'-':>18} {'-':>6}")
            continue
        their_cpu, their_wall = unix[(tool, size)]
        theirs = f"{speed(size, their_cpu):8.1f} ({speed(size, their_wall):7.1f})"
        ratio = their_cpu / cpu
        note = "" if ratio >= 1 else "  below"
        print(f"{operation:<10} {size:>3} {mine}  {label:<24} {theirs} {ratio:>6.2f}{note}")
        if ratio < 1:
            missed.append(f"{operation} at {size} MB: {ratio:.2f} times the speed of {label}")

print()
if ("Pipeline", 50) in ours:
    cpu, wall = ours[("Pipeline", 50)]
    verdict = "met" if speed(50, cpu) >= 250 else "MISSED"
    print(f"whole pipeline on 50 MB: {speed(50, cpu):.1f} MB/s CPU, {speed(50, wall):.1f} MB/s "
          f"wall clock (target >= 250): {verdict}")
    if verdict != "met":
        missed.append(f"whole pipeline on 50 MB: {speed(50, cpu):.1f} MB/s (target >= 250)")
if ("Pipeline", 50) in ours and ("Pipeline", 10) in ours:
    ratio = ours[("Pipeline", 50)][0] / ours[("Pipeline", 10)][0]
    wall_ratio = ours[("Pipeline", 50)][1] / ours[("Pipeline", 10)][1]
    verdict = "met" if ratio <= 5.5 else "MISSED"
    print(f"whole pipeline, time on 50 MB / time on 10 MB: {ratio:.2f} CPU, {wall_ratio:.2f} "
          f"wall clock (target <= 5.5): {verdict}")
    if verdict != "met":
        missed.append(f"50 MB / 10 MB time ratio {ratio:.2f} (target <= 5.5)")
if all((step, 50) in ours for step in steps + later_steps):
    slowest = max(steps, key=lambda step: ours[(step, 50)][0])
    limit = ours[(slowest, 50)][0]
    for step in later_steps:
        cpu = ours[(step, 50)][0]
        verdict = "met" if cpu <= limit else "MISSED"
        print(f"{step} on 50 MB: {cpu * 1e3:.1f} ms CPU, the slowest single step ({slowest}) "
              f"{limit * 1e3:.1f} ms: {verdict}")
        if verdict != "met":
            missed.append(f"{step} on 50 MB: {cpu * 1e3:.1f} ms, more than {slowest}")
print()
print("engine targets missed:" if missed else "all engine targets met")
for line in missed:
    print("  " + line)
PYTHON
bash scripts/bench-idle.sh
