#!/usr/bin/env bash
# Builds the mini-HTML renderer's and the HTML pictures' fuzz targets with
# clang and runs each in turn, seeded (seeds/) with texts that use every
# tag and with a PNG and a two-frame GIF.
# Usage: run-html-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
render="$("$root/tools/fuzz/build-fuzzer.sh" html_render_fuzzer)"
picture="$("$root/tools/fuzz/build-fuzzer.sh" html_picture_fuzzer)"
build="$root/build/fuzz"
text_corpus="$build/html-render-corpus"
picture_corpus="$build/html-picture-corpus"
mkdir -p "$text_corpus" "$picture_corpus"
cp "$root/tools/fuzz/seeds/html_render/"* "$text_corpus/"
cp "$root/tools/fuzz/seeds/html_picture/"* "$picture_corpus/"
export QT_QPA_PLATFORM=offscreen
# The font caches Qt and the font libraries keep until the process ends are
# no leak of ours; libFuzzer still checks every input for real ones.
suppressions="$build/html-lsan.supp"
{ cat "$root/tests/lsan.supp"; echo "leak:libfreetype"; } > "$suppressions"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
cd "$build"
"$render" "$text_corpus" -max_total_time="$seconds" -max_len=8192 -timeout=10 "$@"
"$picture" "$picture_corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$@"
