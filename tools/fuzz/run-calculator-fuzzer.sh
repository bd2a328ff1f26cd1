#!/usr/bin/env bash
# Builds the calculator key fuzz target with clang and runs it.
# Usage: run-calculator-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" calculator_keys_fuzzer)"
corpus="$root/build/fuzz/calculator-corpus"
mkdir -p "$corpus"
# Seed: 2 + 3 * 4 = on the keypad, then 5 / 0 = typed.
printf '\x00\x00\x02\x00\x0a\x00\x03\x00\x0c\x00\x04\x00\x11\x035\x03/\x030\x03=' > "$corpus/keys"
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=1024 "$@"
