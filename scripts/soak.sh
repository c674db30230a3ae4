#!/usr/bin/env bash
# Runs the real program through QUILLET_SOAK_CYCLES (default 1000) cycles of
# paste, list, copy, manage, delete with and without backup, and refresh.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
mkdir -p "$BUILD"
quillet_build "$BUILD" ON >/dev/null
trap quillet_stop EXIT
quillet_start_xvfb
quillet_prefix "$BUILD/wineprefix"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
cd "$BUILD/bin"
wine ./quillet_soak.exe | tr -d '\r'
