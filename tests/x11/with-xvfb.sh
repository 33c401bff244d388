#!/usr/bin/env bash
# Runs a test program on a private X server of its own: with-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail

number_file=$(mktemp)
# -displayfd picks a free display number and writes it once the server listens;
# -noreset keeps the server from starting over whenever its last client leaves.
Xvfb -displayfd 3 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 200); do
  [ -s "$number_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$number_file" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
"$@"
