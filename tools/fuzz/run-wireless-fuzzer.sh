#!/usr/bin/env bash
# Builds the wireless intake's fuzz target with clang and runs it, seeded with
# telegrams made of the real frames' records behind a short transport header
# and behind a short link extension, as each radio module relays them.
# Usage: run-wireless-fuzzer.sh [seconds] [extra libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-300}"
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)"; exit 1; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_TESTS=OFF -DCONFIGURATOR_BENCH=OFF >/dev/null
cmake --build "$build" --target wireless_telegram_fuzzer
corpus="$build/wireless_telegram-corpus"
mkdir -p "$corpus"
data="${SHARED_DATA_DIR:-$root/../shared/data}/mbus-frames"
for f in "$data"/good/*.hex; do
    [ -e "$f" ] || continue
    name="$(basename "$f" .hex)"
    # Option byte (bit 0 RadioCrafts, bit 1 key known), then L, the telegram
    # and the module's trailing bytes.
    out="$corpus/$name" perl -0777 -ne 's/\s+//g; my $f = pack("H*", $_); my $r = substr($f, 19, length($f) - 21);
        my $id = "\x44\x2d\x2c\x78\x56\x34\x12\x03\x07";
        for my $h (["short", "\x7a\x2a\x00\x00\x00"], ["link", "\x8c\x20\x11\x7a\x2a\x00\x00\x00"]) {
            my $t = $id . $h->[1] . $r;
            next if length($t) > 250;
            open(my $o, ">", "$ENV{out}-$h->[0]-telit") or die; print $o "\x02" . chr(length $t) . $t . "\x01\x50";
            open($o, ">", "$ENV{out}-$h->[0]-radiocrafts") or die; print $o "\x03" . chr(length($t) + 1) . $t . "\x9c";
        }' "$f"
done
export QT_QPA_PLATFORM=offscreen
exec "$build/tools/fuzz/wireless_telegram_fuzzer" "$corpus" -max_total_time="$seconds" -max_len=600 "$@"
