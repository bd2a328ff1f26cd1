#!/usr/bin/env bash
# Builds the lazy tree stream fuzz target with clang and runs it.
# Usage: run-tree-stream-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-180}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" lazy_tree_stream_fuzzer)"
corpus="$root/build/fuzz/tree-stream-corpus"
mkdir -p "$corpus"
# Seeds (first byte: 0 load, 1 add, 2 header): an empty tree, one node with a child and a user chunk,
# an empty header and a header with one column.
cp "$root/tools/fuzz/seeds/lazy_tree_stream/"* "$corpus/"
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
