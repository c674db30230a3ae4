#!/usr/bin/env bash
# Builds the pure logic natively with ASan and UBSan, runs its unit tests, then
# runs each libFuzzer target for a bounded time over its committed seed corpus.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QUILLET_NATIVE_BUILD_DIR:-$ROOT/build-native}"
SECONDS_EACH="${QUILLET_FUZZ_SECONDS:-15}"
CC=clang CXX=clang++ cmake -S "$ROOT/tests/native" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug >"$BUILD.configure.log" 2>&1 \
    || { cat "$BUILD.configure.log"; exit 1; }
cmake --build "$BUILD" -j"$(nproc)"
"$BUILD/native_unit_tests" --gtest_brief=1
for target in text_mode names unicode; do
    work="$BUILD/corpus-$target"
    rm -rf "$work"; mkdir -p "$work"
    cp "$ROOT/tests/fuzz/corpus/$target/"* "$work/"
    echo "fuzz_$target: $SECONDS_EACH s"
    "$BUILD/fuzz_$target" -max_total_time="$SECONDS_EACH" -max_len=8192 -print_final_stats=1 "$work" 2>"$BUILD/fuzz_$target.log" \
        || { tail -40 "$BUILD/fuzz_$target.log"; exit 1; }
    grep -E "stat::number_of_executed_units|stat::new_units_added" "$BUILD/fuzz_$target.log" || true
done
echo "native checks: 3 fuzz targets ran clean"
