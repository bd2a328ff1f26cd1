#!/usr/bin/env bash
# Installs what is missing, builds the configurator and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCONFIGURATOR_TESTS=OFF ${CONVERTER_TYPE:+-DCONVERTER_TYPE=$CONVERTER_TYPE}
cmake --build "$root/build/release" --target configurator
exec "$root/build/release/configurator" "$@"
