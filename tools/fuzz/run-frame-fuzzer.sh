#!/usr/bin/env bash
# Builds the telegram decoder's fuzz target with clang and runs it, seeded
# with the real frames. Usage: run-frame-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" mbus_frame_fuzzer)"
corpus="$root/build/fuzz/mbus-corpus"
mkdir -p "$corpus"
data="${SHARED_DATA_DIR:-$root/../shared/data}/mbus-frames"
for f in "$data"/good/*.hex "$data"/bad/*.hex; do
    [ -e "$f" ] || continue
    perl -0777 -ne 's/\s+//g; print pack("H*", $_)' "$f" > "$corpus/$(basename "$f" .hex).bin"
done
cp "$root/tools/fuzz/seeds/mbus_frame/"* "$corpus/"
export QT_QPA_PLATFORM=offscreen
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=512 "$@"
