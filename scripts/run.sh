#!/usr/bin/env bash
# `make run`: starts the desktop program. Without a display there is nothing to
# show it on; the pictures of `make screenshot` show it instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): run 'make screenshot' to see the program's windows in build/screenshots/."
  exit 0
fi
exec "$build_dir/src/qt/textmend"
