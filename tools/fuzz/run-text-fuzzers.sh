#!/usr/bin/env bash
# Builds the fuzz targets of the grid's stored and pasted texts and of the
# checked formatter with clang and runs each in turn.
# Usage: run-text-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)"; exit 1; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_TESTS=OFF -DCONFIGURATOR_BENCH=OFF >/dev/null
cmake --build "$build" --target grid_text_fuzzer format_fuzzer
export QT_QPA_PLATFORM=offscreen
for target in grid_text_fuzzer format_fuzzer; do
    corpus="$build/${target%_fuzzer}-corpus"
    mkdir -p "$corpus"
    cp "$root/tools/fuzz/seeds/${target%_fuzzer}/"* "$corpus/"
    "$build/tools/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
