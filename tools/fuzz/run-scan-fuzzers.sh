#!/usr/bin/env bash
# Builds the scan engine's fuzz targets with clang and runs each for the given
# time: the converter's answers fed to the engine, and serial bytes fed to the
# frame assembler. Usage: run-scan-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)"; exit 1; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_TESTS=OFF -DCONFIGURATOR_BENCH=OFF >/dev/null
cmake --build "$build" --target scan_answer_fuzzer serial_frame_fuzzer
export QT_QPA_PLATFORM=offscreen
for target in scan_answer_fuzzer serial_frame_fuzzer; do
    corpus="$build/${target%_fuzzer}-corpus"
    mkdir -p "$corpus"
    "$build/tools/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
