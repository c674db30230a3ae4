#!/usr/bin/env bash
# Builds Quillet and every test, then runs them all under Wine on a private
# prefix and a private Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
mkdir -p "$BUILD"
quillet_build "$BUILD" ON
trap quillet_stop EXIT
quillet_start_xvfb
quillet_prefix "$BUILD/wineprefix"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
cd "$BUILD"
ctest --output-on-failure --timeout 600 "$@"
# The pure logic again, natively under sanitizers, and a bounded fuzzing run.
QUILLET_FUZZ_SECONDS="${QUILLET_FUZZ_SECONDS:-15}" "$QUILLET_ROOT/scripts/native-check.sh"
