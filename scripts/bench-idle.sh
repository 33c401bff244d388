#!/usr/bin/env bash
# The Linux program's idle cost against the size of the clipboard's text. Under a
# private Xvfb, another client (xclip) owns a 1 KB text, then a 20 MB one; each
# time the program starts with fresh settings (Autoprocess off), is given a few
# seconds to take its first look, and then sits idle for 20 s. Printed: its CPU
# time (user + system, /proc/PID/stat) over the idle span and its resident memory
# (VmRSS) at the end. Targets: the two CPU times within 0.05 s of each other, and
# the 20 MB case's memory above the 1 KB case's by no more than about twice the
# text's size. Then, on the same display, the Process button on a 1 MB and a 10 MB
# copy: the time from the click until another program has read the whole result,
# beside the time a read of the same copy alone takes (scripts/click_bench.py);
# target: the 10 MB case within 3.5 times its read alone. PROGRAM=path measures
# another build of the program. MB is 10^6 bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_IDLE_BUILD:-build}
settle_seconds=5
idle_seconds=20

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" --target textmend >/dev/null
program=${PROGRAM:-$build_dir/src/qt/textmend}

work=$(mktemp -d)
xvfb_pid=
owner_pid=
program_pid=
cleanup() {
  for pid in $program_pid $owner_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the server must not start over between the two cases.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$work/display" \
    >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

python3 - "$work" <<'PYTHON'
import sys
line = b"The quick brown fox jumps over the lazy dog, and the dog lets it be.\n"
for name, size in (("1kb", 1000), ("20mb", 20_000_000)):
    with open(f"{sys.argv[1]}/{name}.txt", "wb") as out:
        out.write((line * (size // len(line) + 1))[:size])
PYTHON

cpu_seconds() {
  # utime and stime, the 14th and 15th fields, after the command name in brackets.
  local fields
  fields=$(sed 's/.*) //' "/proc/$1/stat")
  awk -v ticks="$(getconf CLK_TCK)" '{ printf "%.2f", ($12 + $13) / ticks }' <<<"$fields"
}

rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

measure() {
  local name=$1
  xclip -quiet -selection clipboard -i "$work/$name.txt" >/dev/null 2>&1 &
  owner_pid=$!
  for _ in $(seq 200); do
    xclip -selection clipboard -o -t TARGETS 2>/dev/null | grep -qx UTF8_STRING && break
    sleep 0.05
  done
  XDG_CONFIG_HOME=$work/config-$name "$program" >/dev/null 2>&1 &
  program_pid=$!
  sleep "$settle_seconds"
  local before after
  before=$(cpu_seconds "$program_pid")
  sleep "$idle_seconds"
  after=$(cpu_seconds "$program_pid")
  echo "$name $before $(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.2f", a - b }') $(rss_kb "$program_pid")" \
      >>"$work/figures"
  kill "$program_pid" "$owner_pid"
  wait "$program_pid" "$owner_pid" 2>/dev/null || true
  program_pid=
  owner_pid=
}

echo "=== the Linux program at idle, against the clipboard's size"
measure 1kb
measure 20mb
python3 - "$work/figures" <<'PYTHON'
import sys

figures = {}
for line in open(sys.argv[1]):
    name, first_look, idle, rss = line.split()
    figures[name] = (float(first_look), float(idle), int(rss) * 1024 / 1e6)

text_mb = 20.0
print(f"{'clipboard':<10} {'start, first read (s CPU)':>26} {'20 s idle (s CPU)':>18} {'resident (MB)':>14}")
for name, label in (("1kb", "1 KB"), ("20mb", "20 MB")):
    first_look, idle, rss = figures[name]
    print(f"{label:<10} {first_look:>26.2f} {idle:>18.2f} {rss:>14.1f}")
cpu_gap = abs(figures["20mb"][1] - figures["1kb"][1])
rss_gap = figures["20mb"][2] - figures["1kb"][2]
missed = []
verdict = "met" if cpu_gap <= 0.05 else "MISSED"
print(f"idle CPU, 20 MB against 1 KB: {cpu_gap:.2f} s apart (target <= 0.05): {verdict}")
if verdict != "met":
    missed.append("idle CPU")
verdict = "met" if rss_gap <= 2 * text_mb * 1.1 else "MISSED"
print(f"resident memory, 20 MB against 1 KB: {rss_gap:+.1f} MB, {rss_gap / text_mb:.2f} times the "
      f"text (target about 2 times or less): {verdict}")
if verdict != "met":
    missed.append("resident memory")
print("targets missed: " + ", ".join(missed) if missed else "all targets met")
PYTHON

echo "=== the Linux program's Process button, click to readable result"
/usr/bin/python3 scripts/click_bench.py "$program" "$work"
