#!/usr/bin/env bash
# Checks dist/ as a user would: the checksum matches, the zip unpacks into a
# fresh folder, README.txt has CR LF line ends, and the packed Quillet.exe
# starts hidden and ends with code 1 on Exit (the driver's start-up test, run
# against that exe).
# usage: check_release.sh DIST WORK WINE E2E_TESTS_EXE
set -euo pipefail
dist="$1" work="$2" wine="$3" tests="$4"
zip="$(ls "$dist"/Quillet-*-win64.zip)"
(cd "$dist" && sha256sum -c SHA256SUMS)
rm -rf "$work" && mkdir -p "$work"
python3 - "$zip" "$work" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = z.namelist()
    assert names == ['Quillet.exe', 'README.txt'], names
    z.extractall(sys.argv[2])
    readme = z.read('README.txt')
    assert b'\n' not in readme.replace(b'\r\n', b''), 'README.txt must end its lines in CR LF'
    print('unpacked:', ', '.join(names))
PY
QUILLET_EXE="$(winepath -w "$work/Quillet.exe" 2>/dev/null)" \
    "$wine" "$tests" --gtest_filter=Foundation.StartsHiddenWithTheMainTitle
