#!/usr/bin/env bash
# Builds Quillet and starts it under Wine: on your display if there is one,
# otherwise on a virtual Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build-run}"
mkdir -p "$BUILD"
quillet_build "$BUILD" OFF
quillet_stop_on_exit
if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY: starting Quillet on a virtual Xvfb display (nothing will be visible)."
    quillet_start_xvfb
fi
quillet_prefix "$BUILD/wineprefix"
cd "$BUILD/bin"
echo "Quillet is starting: on the first run of a version it asks you to accept its disclaimer, then it lives in the tray of the Wine desktop (bottom right). Exit it from its right-click menu."
set +e
wine ./Quillet.exe
code=$?
echo "Quillet ended with exit code $code."
