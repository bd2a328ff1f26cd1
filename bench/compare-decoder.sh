#!/usr/bin/env bash
# Runs the decoder benchmark of an earlier commit and of the working tree in
# turn, several rounds, and prints the median ratio of their decoding rates
# (this tree's over the earlier one's). Both are Release builds; the earlier
# commit is checked out in a temporary folder that goes when the run ends.
# Usage: compare-decoder.sh COMMIT [rounds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
commit="${1:?usage: compare-decoder.sh COMMIT [rounds]}"
rounds="${2:-9}"
data="${SHARED_DATA_DIR:-$root/../shared/data}"
old="$(mktemp -d /tmp/decoder-old.XXXXXX)"
cleanup() {
    git -C "$root" worktree remove --force "$old/src" >/dev/null 2>&1 || true
    rm -rf "$old"
}
trap cleanup EXIT

git -C "$root" worktree add --detach "$old/src" "$commit" >/dev/null
build() { # source folder, build folder
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCONFIGURATOR_BENCH=ON -DCONFIGURATOR_TESTS=OFF \
          -DSHARED_DATA_DIR="$data" >/dev/null
    cmake --build "$2" --target decoder_bench -j "${JOBS:-4}" >/dev/null
}
build "$old/src" "$old/build"
build "$root" "$root/build/rel"

# CPU time per iteration of the real-frame decoding, then frames/s and the
# allocations of the last run of each.
run() { "$1" --benchmark_filter='^DecodeRealFrames$' --benchmark_min_time=0.5 2>/dev/null | grep '^DecodeRealFrames'; }
for ((i = 1; i <= rounds; ++i)); do
    echo "old $(run "$old/build/bench/decoder_bench")"
    echo "new $(run "$root/build/rel/bench/decoder_bench")"
done | python3 -c '
import re, statistics, sys
rows = {"old": [], "new": []}
last = {}
for line in sys.stdin:
    which, rest = line.split(" ", 1)
    cpu = float(rest.split()[3])
    rows[which].append(cpu)
    last[which] = rest.strip()
ratios = [o / n for o, n in zip(rows["old"], rows["new"])]
for which in ("old", "new"):
    print(which, "last run:", re.sub(r"\s+", " ", last[which]))
print("ratios new/old:", " ".join("%.2f" % r for r in ratios))
print("median ratio new/old: %.2f over %d rounds" % (statistics.median(ratios), len(ratios)))
'
