#!/usr/bin/env bash
# Builds the scan engine's fuzz targets with clang and runs each for the given
# time: the converter's answers fed to the engine, serial bytes fed to the
# frame assembler, and relayed datagrams fed to the wireless intake.
# Usage: run-scan-fuzzers.sh [seconds each] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
build="$root/build/fuzz"
for target in scan_answer_fuzzer serial_frame_fuzzer wireless_telegram_fuzzer; do
    "$root/tools/fuzz/build-fuzzer.sh" "$target" >/dev/null
done
# Seeds: a primary scan whose slave 0 answers a real frame, a secondary
# search that selects one slave and reads it, the frames as serial bytes, and
# their records as wireless telegrams behind a short transport header or a
# short link extension, relayed by either module (option byte: bit 0
# RadioCrafts, bit 1 key known; then L, the telegram, the module's bytes).
data="${SHARED_DATA_DIR:-$root/../shared/data}/mbus-frames"
mkdir -p "$build/scan_answer-corpus" "$build/serial_frame-corpus" "$build/wireless_telegram-corpus"
for f in "$data"/good/*.hex; do
    [ -e "$f" ] || continue
    name="$(basename "$f" .hex)"
    perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_); exit if length $f > 254;
        print "\x30\xff" . chr(length $f) . $f' "$f" > "$build/scan_answer-corpus/primary-$name"
    perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_); exit if length $f > 254;
        print "\x31\xff\x01\xe5" . chr(length $f) . $f' "$f" > "$build/scan_answer-corpus/secondary-$name"
    perl -0777 -ne 's/\s+//g; print "\x07" . pack("H*", $_) . "\xe5"' "$f" > "$build/serial_frame-corpus/$name"
    out="$build/wireless_telegram-corpus/$name" perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_);
        my $r = substr($f, 19, length($f) - 21); my $id = "\x44\x2d\x2c\x78\x56\x34\x12\x03\x07";
        for my $h (["short", "\x7a\x2a\x00\x00\x00"], ["link", "\x8c\x20\x11\x7a\x2a\x00\x00\x00"]) {
            my $t = $id . $h->[1] . $r;
            next if length($t) > 250;
            open(my $o, ">", "$ENV{out}-$h->[0]-telit") or die; print $o "\x02" . chr(length $t) . $t . "\x01\x50";
            open($o, ">", "$ENV{out}-$h->[0]-radiocrafts") or die; print $o "\x03" . chr(length($t) + 1) . $t . "\x9c";
        }' "$f"
done
for target in scan_answer serial_frame wireless_telegram; do
    cp "$root/tools/fuzz/seeds/$target/"* "$build/$target-corpus/"
done
export QT_QPA_PLATFORM=offscreen
for target in scan_answer_fuzzer serial_frame_fuzzer wireless_telegram_fuzzer; do
    "$build/tools/fuzz/$target" "$build/${target%_fuzzer}-corpus" -max_total_time="$seconds" -max_len=4096 "$@"
done
