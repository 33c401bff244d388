#!/usr/bin/env bash
# Runs a test program as a client of a private headless Sway: with-sway.sh PROGRAM [ARGS...]
# Sway will not run as root: as root it runs as nobody, in a runtime folder nobody
# owns, which root's clients reach all the same. When it cannot start, the program
# runs without WAYLAND_DISPLAY and TEXTMEND_SWAY_FAILED says why.
set -euo pipefail

runtime=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$runtime"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$runtime"
echo "xwayland disable" >"$runtime/config"
env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  "${as_user[@]}" sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
sway=$!
trap 'kill "$sway" 2>/dev/null || true; wait "$sway" 2>/dev/null || true; rm -rf "$runtime"' EXIT

socket=
for _ in $(seq 200); do
  socket=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n1)
  [ -n "$socket" ] && break
  kill -0 "$sway" 2>/dev/null || break
  sleep 0.05
done
unset DISPLAY
if [ -n "$socket" ]; then
  export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket"
else
  export TEXTMEND_SWAY_FAILED="sway did not start: $(tail -n1 "$runtime/sway.log" 2>/dev/null)"
  unset WAYLAND_DISPLAY
fi
"$@"
