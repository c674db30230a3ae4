#!/usr/bin/env bash
# Builds Quillet and starts it under Wine: on your display if there is one,
# otherwise on a virtual Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build-run}"
mkdir -p "$BUILD"
quillet_build "$BUILD" OFF
trap quillet_stop EXIT
if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY: starting Quillet on a virtual Xvfb display (nothing will be visible)."
    quillet_start_xvfb
fi
quillet_prefix "$BUILD/wineprefix"
cd "$BUILD/bin"
echo "Quillet is running in its notification-area icon (tray of the Wine desktop). Exit it from its menu."
set +e
wine ./Quillet.exe
code=$?
echo "Quillet ended with exit code $code."
