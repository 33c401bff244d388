#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for SECONDS on a copy of the
# seed corpus (fuzz/corpus stays as committed). Exits non-zero on any finding; the
# input that caused it is left in BUILD_DIR/fuzz-work/artifacts/.
# Usage: scripts/fuzz.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-fuzz}
seconds=${2:-60}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DTEXTMEND_WERROR="${WERROR:-OFF}" \
      -DTEXTMEND_BUILD_FUZZ=ON -DTEXTMEND_BUILD_TESTS=OFF -DTEXTMEND_BUILD_BENCH=OFF \
      -DTEXTMEND_BUILD_QT=OFF
cmake --build "$build_dir" -j "${JOBS:-2}" --target textmend-fuzz

work="$build_dir/fuzz-work"
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp fuzz/corpus/* "$work/corpus/"

echo "Fuzzing for $seconds s ..."
"$build_dir/fuzz/textmend-fuzz" -max_total_time="$seconds" -max_len=16384 -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus"
echo "fuzz: no finding in $seconds s"
