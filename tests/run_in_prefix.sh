#!/usr/bin/env bash
# Runs a command in another Wine prefix with a server of its own, stopped after.
# usage: run_in_prefix.sh PREFIX WINE EXE [ARGS...]
set -u
export WINEPREFIX="$1"
shift
wineserver -p </dev/null >/dev/null 2>&1
"$1" wineboot </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
exit $status
