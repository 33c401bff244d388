#!/usr/bin/env bash
# The end-to-end suite: the desktop program driven as a user would, on a private
# X11 screen (Xvfb) with a window manager and a notification area.
# Usage: scripts/e2e.sh BUILD_DIR [pytest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:?usage: scripts/e2e.sh BUILD_DIR [pytest arguments]}"
shift
program="$build/src/qt/textmend"
if [ ! -x "$program" ]; then
  echo "e2e: $program is missing; build it first (make build)" >&2
  exit 1
fi
# Debian's interpreter, where python3-pytest lives, whatever python3 is on PATH.
exec /usr/bin/python3 -m pytest tests/e2e -q --program "$program" "$@"
