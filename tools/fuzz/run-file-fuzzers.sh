#!/usr/bin/env bash
# Builds the fuzz targets of the settings store's INI files, of the grid's
# imported text files, of the XML readers and of the network appending with
# clang and runs each in turn.
# Usage: run-file-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
for target in ini_file_fuzzer text_file_fuzzer xml_file_fuzzer xml_append_fuzzer; do
    fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" "$target")"
    corpus="$root/build/fuzz/${target%_fuzzer}-corpus"
    mkdir -p "$corpus"
    cp "$root/tools/fuzz/seeds/${target%_fuzzer}/"* "$corpus/"
    QT_QPA_PLATFORM=offscreen "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
