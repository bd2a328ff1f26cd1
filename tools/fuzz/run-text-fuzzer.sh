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
cp "$root/tools/fuzz/seeds/draw_text_layout/"* "$corpus/"
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=1024 "$@"
