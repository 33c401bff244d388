#!/usr/bin/env bash
# Runs a test program as a client of a private headless Sway: with-sway.sh PROGRAM [ARGS...]
# Sway will not run as root: as root it runs as nobody, in a runtime folder nobody
# owns, which root's clients reach all the same. When it cannot start, the program
# runs without WAYLAND_DISPLAY and TEXTMEND_SWAY_FAILED says why. A headless Weston
# beside it (TEXTMEND_WESTON_DISPLAY, when it starts) is a compositor without
# data-control.
set -euo pipefail

runtime=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$runtime"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$runtime"
echo "xwayland disable" >"$runtime/config"
pids=()
# A session bus of the run's own that every uid may use (Sway's bar as nobody,
# the tests as root), for the bar's tray, a StatusNotifierItem host.
bus=()
if command -v dbus-daemon >/dev/null; then
  cat >"$runtime/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$runtime</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
  { read -r address; read -r bus_pid; } < <(dbus-daemon --config-file="$runtime/bus.conf" \
    --fork --print-address=1 --print-pid=1)
  pids+=("$bus_pid")
  bus=(DBUS_SESSION_BUS_ADDRESS="$address")
  printf 'bar {\n  tray_output *\n}\n' >>"$runtime/config"
fi
# Sway ignores a SIGTERM that comes before its event loop runs.
stop() {
  kill "${pids[@]}" 2>/dev/null || true
  for pid in "${pids[@]}"; do
    for _ in $(seq 40); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$runtime"
}
trap stop EXIT

# start LOG COMMAND...: a compositor in the runtime folder, nothing else of ours in its environment
start() {
  local log=$1
  shift
  env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" "${bus[@]}" "${as_user[@]}" "$@" \
    >"$runtime/$log" 2>&1 &
  pids+=($!)
}
# listening PATTERN PID: the socket named like PATTERN once the compositor listens on
# it; fails when the compositor ended first
listening() {
  local socket
  for _ in $(seq 200); do
    socket=$(find "$runtime" -maxdepth 1 -type s -name "$1" -printf '%f\n' | head -n1)
    [ -n "$socket" ] && echo "$socket" && return 0
    kill -0 "$2" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

start sway.log env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  WAYLAND_DISPLAY= sway -c "$runtime/config"
sway=${pids[-1]}
# A shell and an input method that start no clients of their own.
printf '[input-method]\npath=\n' >"$runtime/weston.ini"
start weston.log weston --backend=headless-backend.so --shell=fullscreen-shell.so \
  --config="$runtime/weston.ini" --socket=weston-0 --idle-time=0
weston=${pids[-1]}

unset DISPLAY DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR="$runtime"
[ ${#bus[@]} -eq 0 ] || export "${bus[@]}"
if socket=$(listening weston-0 "$weston"); then
  export TEXTMEND_WESTON_DISPLAY="$socket"
fi
if socket=$(listening 'wayland-*' "$sway"); then
  export WAYLAND_DISPLAY="$socket"
else
  export TEXTMEND_SWAY_FAILED="sway did not start: $(tail -n1 "$runtime/sway.log" 2>/dev/null)"
  unset WAYLAND_DISPLAY
fi
"$@"
