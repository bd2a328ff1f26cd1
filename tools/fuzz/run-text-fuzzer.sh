#!/usr/bin/env bash
# Builds the DrawText layout fuzz target with clang and runs it.
# Usage: run-text-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" draw_text_layout_fuzzer)"
corpus="$root/build/fuzz/text-corpus"
mkdir -p "$corpus"
# Seeds: a wrapped, prefixed caption and a path with tabs, each with its flags and rectangle.
printf '\x10\x80\x00\x10\x28\x00\x40\x00O\x00n\x00e\x00 \x00&\x00T\x00w\x00o\x00 \x00&\x00&\x00' > "$corpus/wrap"
printf '\x40\x40\x00\x10\x30\x00\x0c\x00C\x00:\x00\\\x00a\x00\t\x00b\x00\\\x00c\x00' > "$corpus/path"
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=1024 "$@"
