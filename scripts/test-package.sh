#!/usr/bin/env bash
# The packages `make package` built, checked as their users meet them: lintian,
# the desktop entry, the AppStream metainfo and the manual pages of the .deb;
# then its extracted programs on a private desktop, and the Windows installer
# and uninstaller under Wine (tests/package).
#
#   test-package.sh [LINUX_BUILD] [WINDOWS_BUILD]    default: build build-windows
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
win_build=${2:-build-windows}
version=$(sed -n 's/^project(Textmend VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$build/packages/textmend_${version}_amd64.deb
installer=$win_build/packages/textmend-${version}-setup.exe
zip=$win_build/packages/textmend-${version}-win64.zip
helper=$win_build/tests/win32/win32_tray_helper.exe
for file in "$deb" "$installer" "$zip" "$helper" "$build/tests/posix/xdg_autostart_tool"; do
  if [ ! -f "$file" ]; then
    echo "test-package: $file is missing; run make package first" >&2
    exit 1
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failed=1
  fi
}

check "lintian finds no errors" lintian --fail-on error --display-info "$deb"

root="$scratch/package root"
dpkg-deb -x "$deb" "$root"
check "the desktop entry is valid" \
  desktop-file-validate "$root/usr/share/applications/textmend.desktop"
check "the metainfo is valid" \
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
check "the copyright file is LICENSE" cmp LICENSE "$root/usr/share/doc/textmend/copyright"
check "Depends names the Qt libraries" \
  grep -q libqt6widgets6 <<<"$(dpkg-deb -f "$deb" Depends)"

# A page renders without warnings and starts with its name.
renders() {
  local page=$1 out
  out=$(MANWIDTH=80 man --warnings -l "$page" 2>"$scratch/man-warnings") &&
    [ ! -s "$scratch/man-warnings" ] && grep -q "^NAME" <<<"$out" ||
    { cat "$scratch/man-warnings"; return 1; }
}
for name in textmend textmend-filter; do
  check "man -l renders $name(1)" renders "$root/usr/share/man/man1/$name.1.gz"
done

prefix=$win_build/package-prefix
scripts/wine-run.sh --prefix "$prefix" --setup
# Debian's interpreter, where python3-pytest lives, whatever python3 is on PATH.
check "the programs of the packages run" \
  /usr/bin/python3 -m pytest tests/package -q \
    --version-expected "$version" --deb-root "$(realpath "$root")" \
    --autostart-tool "$build/tests/posix/xdg_autostart_tool" \
    --installer "$(realpath "$installer")" --zip "$zip" --wine-helper "$helper" \
    --wine-prefix "$prefix"

exit $failed
