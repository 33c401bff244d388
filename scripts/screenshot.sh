#!/usr/bin/env bash
# `make screenshot`: runs the program on a private X11 screen with a window
# manager and a notification area, and writes pictures of the main window, the
# tray's popup menu, and the Help, About and hotkey dialogs to BUILD_DIR/screenshots/.
# Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
exec /usr/bin/python3 tests/e2e/screenshots.py "$build_dir/src/qt/textmend" "$build_dir/screenshots"
