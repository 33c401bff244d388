#!/usr/bin/env bash
# `make run` until the desktop program exists: cleans the bundled sample text with
# the program's default options and prints the result.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

"$build_dir/src/filter/textmend-filter" --defaults < resources/sample.txt
echo
