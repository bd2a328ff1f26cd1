#!/usr/bin/env bash
# Builds the mini-HTML renderer's and the HTML pictures' fuzz targets with
# clang and runs each in turn, seeded with a text that uses every tag and
# with a PNG and a two-frame GIF.
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
seed() { # switches, then the text
    { printf "$1\x03\x00\x01\x00\x00\xc8\x00\x28\x00\x14\x06"; printf '%s' "$2" | iconv -t UTF-16LE; } > "$text_corpus/$3"
}
seed '\x05' '<P align="center" bgcolor="clinfobk"><B>Meter</B> <FONT color="#FF0000" size="3">7</FONT>&amp;<BR>x<SUB>2</SUB> <SUP>3</SUP></P>' text
seed '\x01' '<A href="Node" title="T">node</A> <IMG src="IDX:0" align="middle"> <IMG src="pic" width="8"> <CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="20">' hit
seed '\x84' '<BODY bgcolor="clred" background="pic"><UL><LI>one<LI>two</UL><HI>x</HI><E>y</E><SHAD>z</SHAD><Z>h</Z><R a="90">r</R><IND x="40">i<HR>' draw
cp "$root/tests/controls/grid/base/html/dot.png" "$picture_corpus/dot.png"
printf 'GIF89a\x04\x00\x04\x00\x81\x00\x00\xff\xff\xff\xff\x00\x00\x00\xff\x00\x00\x00\xff!\xf9\x04\x04\x0a\x00\x00\x00,\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02\x03\x0c\x92\x00\x00!\xf9\x04\x04\x14\x00\x00\x00,\x01\x00\x01\x00\x02\x00\x02\x00\x00\x02\x03\x14\xa5\x00\x00;' > "$picture_corpus/two-frames.gif"
export QT_QPA_PLATFORM=offscreen
# The font caches Qt and the font libraries keep until the process ends are
# no leak of ours; libFuzzer still checks every input for real ones.
suppressions="$build/html-lsan.supp"
{ cat "$root/tests/lsan.supp"; echo "leak:libfreetype"; } > "$suppressions"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
cd "$build"
"$render" "$text_corpus" -max_total_time="$seconds" -max_len=8192 -timeout=10 "$@"
"$picture" "$picture_corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$@"
