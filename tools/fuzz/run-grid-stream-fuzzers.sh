#!/usr/bin/env bash
# Builds the fuzz targets of the string grid's component streams (cell and
# column streams), its native text, delimited and text-stream files and its
# XML form with clang and runs each in turn.
# Usage: run-grid-stream-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
for target in grid_cell_stream_fuzzer native_text_fuzzer grid_xml_fuzzer csv_fuzzer grid_text_stream_fuzzer; do
    fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" "$target")"
    corpus="$root/build/fuzz/${target%_fuzzer}-corpus"
    mkdir -p "$corpus"
    cp "$root/tools/fuzz/seeds/${target%_fuzzer}/"* "$corpus/"
    QT_QPA_PLATFORM=offscreen "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
