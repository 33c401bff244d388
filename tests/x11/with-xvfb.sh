#!/usr/bin/env bash
# Runs a test program on private X servers of its own: with-xvfb.sh PROGRAM [ARGS...]
# DISPLAY names one, TEXTMEND_OTHER_DISPLAY a second one.
set -euo pipefail

servers=()
files=()
trap 'kill "${servers[@]}" 2>/dev/null || true; rm -f "${files[@]}"' EXIT

# Starts an Xvfb and sets display to its name once it listens.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  files+=("$number_file")
  # -displayfd picks a free display number and writes it once the server listens;
  # -noreset keeps the server from starting over whenever its last client leaves.
  Xvfb -displayfd 3 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  servers+=($!)
  for _ in $(seq 200); do
    [ -s "$number_file" ] && break
    kill -0 "${servers[-1]}" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$number_file" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    exit 1
  fi
  display=":$(tr -d '[:space:]' <"$number_file")"
}

start_xvfb
export DISPLAY=$display
start_xvfb
export TEXTMEND_OTHER_DISPLAY=$display
"$@"
