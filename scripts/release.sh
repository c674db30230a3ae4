#!/usr/bin/env bash
# Builds Quillet.exe twice, from two copies of the source in different
# folders, checks that both are the same to the byte, then writes
# dist/Quillet-<version>-win64.zip (Quillet.exe and README.txt, fixed times
# and order) and dist/SHA256SUMS.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
VERSION="$(sed -n 's/^#define QUILLET_VERSION_STRING "Quillet v\(.*\)"/\1/p' "$QUILLET_ROOT/base/product.h")"
DIST="$QUILLET_ROOT/dist"
WORK="$(mktemp -d /tmp/quillet-release.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT

build_copy() {
    local src="$WORK/$1/source"
    mkdir -p "$src"
    (cd "$QUILLET_ROOT" && git ls-files -co --exclude-standard -z | xargs -0 tar -c) | tar -x -C "$src"
    cmake -S "$src" -B "$src/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64-win32.cmake" \
        -DQUILLET_TESTS=OFF >"$WORK/$1.log" 2>&1 || { cat "$WORK/$1.log"; exit 1; }
    cmake --build "$src/build" -j"$(nproc)" >>"$WORK/$1.log" 2>&1 || { cat "$WORK/$1.log"; exit 1; }
}

build_copy first
build_copy second-folder
first="$WORK/first/source/build/bin/Quillet.exe"
second="$WORK/second-folder/source/build/bin/Quillet.exe"
if ! cmp -s "$first" "$second"; then
    echo "NOT REPRODUCIBLE: two builds differ"
    sha256sum "$first" "$second"
    exit 1
fi
echo "reproducible: both builds $(sha256sum "$first" | cut -d' ' -f1)"

mkdir -p "$DIST"
zip="Quillet-$VERSION-win64.zip"
python3 - "$first" "$QUILLET_ROOT/docs/README.txt" "$DIST/$zip" <<'PY'
import sys, zipfile
exe, readme, out = sys.argv[1:]
text = open(readme, 'rb').read().replace(b'\r\n', b'\n').replace(b'\n', b'\r\n')
with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as z:
    for name, data in (('Quillet.exe', open(exe, 'rb').read()), ('README.txt', text)):
        info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        info.create_system = 0
        z.writestr(info, data)
PY
(cd "$DIST" && sha256sum "$zip" >SHA256SUMS)
echo "wrote dist/$zip ($(stat -c %s "$DIST/$zip") bytes) and dist/SHA256SUMS"
cat "$DIST/SHA256SUMS"
