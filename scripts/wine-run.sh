#!/usr/bin/env bash
# Runs programs of the Windows cross build under Wine; CTest calls it for every
# Windows test.
#
#   wine-run.sh --prefix DIR PROGRAM.exe [ARGS...]   runs one program, gives its exit code
#   wine-run.sh --prefix DIR --setup                  creates the Wine prefix if needed
#   wine-run.sh --prefix DIR --shutdown               waits until Wine has ended
#
# The prefix is private to the build folder and made once, by whichever call
# comes first, under a lock so that parallel tests never build it twice.
# Console programs need no X display. A program that imports user32.dll gets a
# private Xvfb display when DISPLAY is unset; TEXTMEND_WINE_DISPLAY=xvfb always
# gives one, TEXTMEND_WINE_DISPLAY=none never does.
set -euo pipefail

if [ "${1-}" != --prefix ] || [ -z "${2-}" ] || [ $# -lt 3 ]; then
  echo "usage: $0 --prefix DIR (--setup | --shutdown | PROGRAM.exe [ARGS...])" >&2
  exit 2
fi
WINEPREFIX=$(realpath -m "$2")
shift 2
export WINEPREFIX
export WINEARCH=win64
# Quiet unless asked otherwise: TEXTMEND_WINEDEBUG=err+all shows what Wine complains of.
export WINEDEBUG=${TEXTMEND_WINEDEBUG:--all}
# Never offer to download Mono or Gecko: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

ready_mark=$WINEPREFIX/.textmend-ready
xvfb_pid=
program_pid=

ensure_prefix() {
  [ -f "$ready_mark" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$ready_mark" ]; then
    # Whatever is there without the mark is a prefix an interrupted run left half made.
    rm -rf -- "$WINEPREFIX"
    if ! wineboot -i >"$WINEPREFIX.log" 2>&1; then
      echo "wine-run: wineboot failed, see $WINEPREFIX.log" >&2
      exit 1
    fi
    # The registry reaches the disk when the server ends.
    wineserver -w
    touch "$ready_mark"
  fi
  flock -u 9
  exec 9>&-
}

wait_for_wine() {
  timeout 60 wineserver -w || wineserver -k || true
}

wants_display() {
  case ${TEXTMEND_WINE_DISPLAY:-auto} in
    xvfb) return 0 ;;
    none) return 1 ;;
  esac
  # grep reads to the end: with -q it would stop early, objdump would die of
  # SIGPIPE and pipefail would call a program that does import user32 one that doesn't.
  [ -z "${DISPLAY-}" ] &&
    x86_64-w64-mingw32-objdump -p "$1" 2>/dev/null | grep -i 'DLL Name: user32\.dll' >/dev/null
}

start_xvfb() {
  local number_file
  number_file=$(mktemp)
  # -displayfd picks a free display number and writes it once the server listens.
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$number_file" >/dev/null 2>&1 8>&- &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -s "$number_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$number_file" ]; then
    rm -f "$number_file"
    echo "wine-run: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
  rm -f "$number_file"
}

# Wine's background processes (the server, the services, the desktop) start
# with the first program of a session and inherit its output. CTest waits for a
# test's output to close, so it would wait for them to end too, two seconds after
# every test, and the next test would start Wine cold again. Starting them from a
# program whose output goes nowhere leaves the test's output to the test.
start_wine_session() {
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_everything() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
  fi
}

case $1 in
  --setup)
    ensure_prefix
    exit 0
    ;;
  --shutdown)
    [ -d "$WINEPREFIX" ] && wait_for_wine
    exit 0
    ;;
esac

ensure_prefix
trap 'stop_everything; exit 143' TERM INT HUP
# Console programs share the Wine session; a program with a display has it to
# itself, so no console program can start Wine without a display under it.
exec 8>"$WINEPREFIX.session.lock"
if wants_display "$1"; then
  flock -x 8
  # A Wine started earlier without a display must end before one with a display starts.
  wait_for_wine
  start_xvfb
else
  flock -s 8
fi

# Wine's processes must not hold the session lock after this script ends.
start_wine_session 8>&-
wine "$@" 8>&- &
program_pid=$!
status=0
wait "$program_pid" || status=$?
program_pid=

if [ -n "$xvfb_pid" ]; then
  wait_for_wine
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
fi
exit "$status"
