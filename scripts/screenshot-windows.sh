#!/usr/bin/env bash
# `make screenshot`, the Windows half: runs textmend.exe under Wine on a private
# X11 screen with a window manager and a notification area, and writes pictures
# of the main window, the tray's popup menu, and the Help, About and hotkey dialogs to
# BUILD_DIR/screenshots/.
# Usage: scripts/screenshot-windows.sh [BUILD_DIR]     BUILD_DIR defaults to build-windows
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
prefix=$build/e2e-prefix
scripts/wine-run.sh --prefix "$prefix" --setup
export TEXTMEND_WINE_PREFIX=$prefix
export TEXTMEND_WINE_HELPER=$build/tests/win32/win32_tray_helper.exe
exec /usr/bin/python3 tests/e2e/screenshots_windows.py "$build/src/win32/textmend.exe" \
  "$build/screenshots"
