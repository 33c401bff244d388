#!/usr/bin/env bash
# Speed of the text engine against its nearest Unix counterparts, on the same
# corpus files in the same run: builds the benchmark in Release (build-bench),
# writes the corpus at 1, 10 and 50 MB, runs the engine's benchmarks, times tr, sed
# and awk on each file (best of three, LC_ALL=C) and prints the ratios and targets.
# Ratios and targets are judged in CPU time, user plus system, on both sides, so
# that other work on a shared machine disturbs them little; wall-clock figures are
# printed beside them. MB is 10^6 bytes throughout.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build-bench
work="$build_dir/bench-work"
sizes=(1 10 50)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DTEXTMEND_BUILD_TESTS=OFF \
      -DTEXTMEND_BUILD_QT=OFF -DTEXTMEND_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" --target textmend-bench textmend-corpus

mkdir -p "$work"
for mb in "${sizes[@]}"; do
  "$build_dir/bench/textmend-corpus" "$mb" "$work/corpus-$mb.txt"
done

echo "=== the engine"
"$build_dir/bench/textmend-bench" --corpus-dir="$work" \
    --benchmark_out="$work/engine.json" --benchmark_out_format=json

# The Unix counterparts, each reading standard input.
export LC_ALL=C
unix_upper() { tr a-z A-Z; }
unix_lower() { tr A-Z a-z; }
unix_quotes() { sed -E 's/^ *(> *)*//'; }
unix_dblspc() { sed 's/\.  */. /g'; }
unix_blanks() { sed '/^[ \t]*$/d'; }
unix_join() {
  awk 'BEGIN { RS = "\r\n"; ORS = "" }
       /^[ \t]*$/ { printf "\r\n\r\n"; sep = ""; next }
       { printf "%s%s", sep, $0; sep = " " }'
}
tools=(unix_upper unix_lower unix_quotes unix_dblspc unix_blanks unix_join)

echo "=== the Unix counterparts"
: > "$work/unix.tsv"
# Each measurement runs a tool over about 50 MB, the small files many times over,
# so that the figures stay well above the timer's millisecond resolution.
TIMEFORMAT='%3R %3U %3S'
for mb in "${sizes[@]}"; do
  file="$work/corpus-$mb.txt"
  bytes=$(stat -c %s "$file")
  runs=$(( (50 + mb - 1) / mb ))
  for tool in "${tools[@]}"; do
    for _ in 1 2 3; do
      read -r real user system < <({ time for ((i = 0; i < runs; i++)); do
                                       "$tool" < "$file" > /dev/null
                                     done; } 2>&1)
      printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$tool" "$mb" "$bytes" "$runs" "$real" \
          "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" >> "$work/unix.tsv"
    done
    echo "$tool on $mb MB: done"
  done
done

echo "=== report"
python3 - "$work/engine.json" "$work/unix.tsv" <<'PYTHON'
import json
import sys

engine_file, unix_file = sys.argv[1], sys.argv[2]

# Best of the repetitions, in CPU seconds and in wall-clock seconds, per
# (name, megabytes): on a shared machine the slower runs are mostly noise.
def keep_best(table, key, cpu, wall):
    old_cpu, old_wall = table.get(key, (cpu, wall))
    table[key] = (min(cpu, old_cpu), min(wall, old_wall))

sizes_in_bytes = {}
unix = {}
for line in open(unix_file):
    tool, size, size_bytes, runs, wall, cpu = line.split()
    sizes_in_bytes[int(size)] = int(size_bytes)
    keep_best(unix, (tool, int(size)), float(cpu) / int(runs), float(wall) / int(runs))

ours = {}
for run in json.load(open(engine_file))["benchmarks"]:
    if run.get("run_type") != "iteration":
        continue
    name, size = run["run_name"].split("/")[:2]
    assert run["time_unit"] == "ms"
    keep_best(ours, (name, int(size)), run["cpu_time"] / 1e3, run["real_time"] / 1e3)

def speed(size, seconds):
    return sizes_in_bytes[size] / 1e6 / max(seconds, 1e-6)

counterparts = {
    "Upper": ("unix_upper", "tr a-z A-Z"),
    "Lower": ("unix_lower", "tr A-Z a-z"),
    "Proper": ("unix_upper", "tr a-z A-Z"),
    "remGT": ("unix_quotes", "sed -E 's/^ *(> *)*//'"),
    "remDblspc": ("unix_dblspc", "sed 's/\\.  */. /g'"),
    "remBlanks": ("unix_blanks", "sed '/^[ \\t]*$/d'"),
    "remCRs": ("unix_join", "awk paragraph join"),
}
operations = ["Pipeline", "Upper", "Lower", "Proper", "ToUpper", "ToLower", "ToProper", "remGT",
              "remDblspc", "Sentence", "remBlanks", "trimCR", "remCRs"]

print("MB/s of CPU time (user + system); wall-clock MB/s in brackets.")
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
        tool, label = counterparts.get(operation, (None, "-"))
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
print()
print("targets missed:" if missed else "all targets met")
for line in missed:
    print("  " + line)
PYTHON
bash scripts/bench-idle.sh
