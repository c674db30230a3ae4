#!/usr/bin/env bash
# Prints Quillet's figures beside their floors, all measured in this one run:
# exe size and imports, start-up, memory, LoadNotes, the slide and idle cost.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
quillet_rig "$BUILD" >/dev/null
exe="$BUILD/bin/Quillet.exe"
size=$(stat -c %s "$exe")
echo "Quillet.exe: $size bytes ($((size / 1024)) KiB; goal <= 96 KiB)"
echo "imports: $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
cd "$BUILD/bin"
wine ./quillet_bench.exe | tr -d '\r'
