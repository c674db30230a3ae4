#!/usr/bin/env bash
# Builds Quillet and every test, then runs them all under Wine on a private
# prefix and a private Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
# The release first: two builds compared, the zip and its checksums, which
# the quillet_release_zip test then unpacks and runs.
"$QUILLET_ROOT/scripts/release.sh"
quillet_rig "$BUILD"
# The run holds its build's lock while the tests run: a second could not take it.
if flock -n "$BUILD/.rig.lock" true; then
    echo "The test run does not hold the lock of $BUILD" >&2
    exit 1
fi
cd "$BUILD"
ctest --output-on-failure --timeout 600 "$@"
# The pure logic again, natively under sanitizers, and a bounded fuzzing run.
QUILLET_FUZZ_SECONDS="${QUILLET_FUZZ_SECONDS:-15}" "$QUILLET_ROOT/scripts/native-check.sh"
