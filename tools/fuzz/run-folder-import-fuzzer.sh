#!/usr/bin/env bash
# Builds the image picker's folder import fuzz target with clang and runs it,
# seeded (seeds/folder_import/) with folders of every picture format Qt reads.
# Usage: run-folder-import-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
fuzzer="$("$root/tools/fuzz/build-fuzzer.sh" folder_import_fuzzer)"
build="$root/build/fuzz"
corpus="$build/folder-import-corpus"
mkdir -p "$corpus"
cp "$root/tools/fuzz/seeds/folder_import/"* "$corpus/"
export QT_QPA_PLATFORM=offscreen
suppressions="$build/folder-import-lsan.supp"
{ cat "$root/tests/lsan.supp"; echo "leak:libfreetype"; echo "leak:libfontconfig"; } > "$suppressions"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
cd "$build"
"$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$@"
