#!/usr/bin/env bash
# The end-to-end suite against the Windows program, under Wine on the same
# private desktop (Xvfb, openbox, trayer) as the Linux program.
#
#   e2e-windows.sh [BUILD_DIR] [PYTEST_ARGS...]     BUILD_DIR defaults to build-windows
#
# The Wine prefix of the run lives in BUILD_DIR/e2e-prefix and is made once.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-windows}
[ $# -gt 0 ] && shift
program=$build/src/win32/textmend.exe
helper=$build/tests/win32/win32_tray_helper.exe
hotkey_holder=$build/tests/win32/win32_hotkey_holder.exe
prefix=$build/e2e-prefix

for file in "$program" "$helper" "$hotkey_holder"; do
  if [ ! -f "$file" ]; then
    echo "e2e-windows: $file is missing; run make windows first" >&2
    exit 1
  fi
done

scripts/wine-run.sh --prefix "$prefix" --setup
# A server of this prefix left without a display would serve the wrong desktop.
WINEPREFIX=$(realpath "$prefix") wineserver -k 2>/dev/null || true

export TEXTMEND_WINE_PREFIX=$prefix
export TEXTMEND_WINE_HELPER=$helper
export TEXTMEND_WINE_HOTKEY_HOLDER=$hotkey_holder
# Debian's python3 carries pytest (python3-pytest); another python3 first on PATH may not.
python=python3
python3 -c 'import pytest' 2>/dev/null || python=/usr/bin/python3
exec "$python" -m pytest tests/e2e -q --platform wine --program "$program" "$@"
