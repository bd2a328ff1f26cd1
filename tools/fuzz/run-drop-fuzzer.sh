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
printf '\x3f\x03\x00\x00\x00\x00\x00\x00\x00abc\xfe\x07\x00\x00\x00\xfe{\\rtf1}\xfefile:///tmp/a\r\nhttp://h/\xfetext' \
    > "$corpus/seed-all.bin"
export QT_QPA_PLATFORM=offscreen
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=1024 "$@"
