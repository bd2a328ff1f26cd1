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
# Seeds: a primary scan whose slave 0 answers a real frame, a secondary
# search that selects one slave and reads it, and the frames as serial bytes.
data="${SHARED_DATA_DIR:-$root/../shared/data}/mbus-frames"
mkdir -p "$build/scan_answer-corpus" "$build/serial_frame-corpus"
for f in "$data"/good/*.hex; do
    [ -e "$f" ] || continue
    name="$(basename "$f" .hex)"
    perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_); exit if length $f > 254;
        print "\x30\xff" . chr(length $f) . $f' "$f" > "$build/scan_answer-corpus/primary-$name"
    perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_); exit if length $f > 254;
        print "\x31\xff\x01\xe5" . chr(length $f) . $f' "$f" > "$build/scan_answer-corpus/secondary-$name"
    perl -0777 -ne 's/\s+//g; print "\x07" . pack("H*", $_) . "\xe5"' "$f" > "$build/serial_frame-corpus/$name"
done
export QT_QPA_PLATFORM=offscreen
for target in scan_answer_fuzzer serial_frame_fuzzer; do
    "$build/tools/fuzz/$target" "$build/${target%_fuzzer}-corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
