#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need,
# only when some of them are missing. Runs apt-get as root, through sudo otherwise.
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the benchmark's peak memory figures
  time
  # case tables are generated from, and checked against, these
  unicode-data libutf8proc-dev
  # Join split words' dictionaries (textmend-filter)
  libhunspell-dev hunspell-en-us
  # the Linux desktop program; the hotkey's key grabs and typed paste (X11 and XTEST)
  # (XKB: keys from the layout in use, and news of a layout change)
  qt6-base-dev libgl-dev libxcb1-dev libxcb-xtest0-dev libxcb-xkb-dev libx11-dev x11proto-dev
  # the Windows build and its test runner
  g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth
  # end-to-end tests and screenshots
  python3 python3-pytest xdotool xclip trayer openbox x11-utils imagemagick
  # the icons, drawn as SVG and rendered at every size
  librsvg2-bin
  # make package: the .deb and its checks, the Windows installer and zip
  dpkg-dev lintian desktop-file-utils appstream help2man man-db nsis
  # the hotkey's: a window to type in, another program holding a combination
  python3-tk python3-xlib
  # native Wayland: the clipboard and paste clients (wayland-scanner makes their
  # protocol code), the toolkit's Wayland platform; their tests on a headless Sway
  # with wl-clipboard and a window of their own (xdg-shell, xkbcommon); Weston
  # offers no data-control
  libwayland-dev wayland-protocols libxkbcommon-dev qt6-wayland sway wl-clipboard weston
  # the desktop portal's hotkey and keyboard and the notices (QtDBus, from qt6-base-dev);
  # their tests: the portal's interface descriptions, a private session bus, and a
  # fake portal in Debian's Python with its D-Bus and GLib bindings
  xdg-desktop-portal-dev dbus-daemon python3-dbus python3-gi
  # the bar's tray (a StatusNotifierItem host) on a session bus of the tests' own
  dbus-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
