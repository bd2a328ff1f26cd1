#!/usr/bin/env bash
# Builds the telegram decoder's fuzz target with clang and runs it, seeded
# with the real frames. Usage: run-frame-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)"; exit 1; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_TESTS=OFF -DCONFIGURATOR_BENCH=OFF >/dev/null
cmake --build "$build" --target mbus_frame_fuzzer
corpus="$build/mbus-corpus"
mkdir -p "$corpus"
data="${SHARED_DATA_DIR:-$root/../shared/data}/mbus-frames"
for f in "$data"/good/*.hex "$data"/bad/*.hex; do
    [ -e "$f" ] || continue
    perl -0777 -ne 's/\s+//g; print pack("H*", $_)' "$f" > "$corpus/$(basename "$f" .hex).bin"
done
export QT_QPA_PLATFORM=offscreen
exec "$build/tools/fuzz/mbus_frame_fuzzer" "$corpus" -max_total_time="$seconds" -max_len=512 "$@"
