#!/usr/bin/env bash
# Builds one fuzz target with clang in build/fuzz and prints its path.
# Usage: build-fuzzer.sh TARGET
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)" >&2; exit 1; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_TESTS=OFF -DCONFIGURATOR_BENCH=OFF >/dev/null
cmake --build "$build" --target "$1" >&2
echo "$build/tools/fuzz/$1"
