#!/usr/bin/env bash
# Builds the fuzz target of the grid's drop reader with clang and runs it.
# Usage: run-drop-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" grid_drop_fuzzer)"
corpus="$root/build/fuzz/drop-corpus"
mkdir -p "$corpus"
# Seeds: an honest cell block, a column, a file and a web address.
cp "$root/tools/fuzz/seeds/grid_drop/"* "$corpus/"
export QT_QPA_PLATFORM=offscreen
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=1024 "$@"
