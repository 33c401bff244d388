#!/bin/sh
# Runs a test program on a private session bus beside the tests' fake desktop
# portal and notification server; exits with the program's status.
set -eu
fake="$(dirname "$0")/fake-portal.py"
exec dbus-run-session -- sh -c '
    /usr/bin/python3 "$1" & fake=$!
    shift
    status=0
    "$@" || status=$?
    kill "$fake"
    exit "$status"' sh "$fake" "$@"
