#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs every
# test; then builds the threaded suites with ThreadSanitizer and runs them again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
. "$root/scripts/build-env.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp"

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCONFIGURATOR_WERROR=ON \
      -DCONFIGURATOR_SANITIZE=ON -DCONFIGURATOR_TESTS=ON -DCONFIGURATOR_BENCH=ON
cmake --build "$build"
(cd "$build" && ctest --output-on-failure -j "$(nproc)" "$@")

tsan="$root/build/tsan"
cmake -S "$root" -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCONFIGURATOR_WERROR=ON \
      -DCONFIGURATOR_TSAN=ON -DCONFIGURATOR_TESTS=ON -DCONFIGURATOR_BENCH=OFF
cmake --build "$tsan" --target tsan_suites
(cd "$tsan" && ctest --output-on-failure -j "$(nproc)" -L tsan "$@")
