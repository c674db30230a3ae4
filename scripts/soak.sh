#!/usr/bin/env bash
# Runs the real program through QUILLET_SOAK_CYCLES (default 1000) cycles of
# paste, list, copy, manage, delete with and without backup, and refresh.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
quillet_rig "$BUILD" >/dev/null
cd "$BUILD/bin"
wine ./quillet_soak.exe | tr -d '\r'
