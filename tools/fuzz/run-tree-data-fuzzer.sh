#!/usr/bin/env bash
# Builds the lazy tree's pasted-data fuzz target with clang and runs it.
# Usage: run-tree-data-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-180}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" lazy_tree_data_fuzzer)"
corpus="$root/build/fuzz/tree-data-corpus"
mkdir -p "$corpus"
# Seeds (first byte: attach mode and target): no records, a node with a child
# (shown and selected), and a count larger than the bytes.
cp "$root/tools/fuzz/seeds/lazy_tree_data/"* "$corpus/"
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 "$@"
