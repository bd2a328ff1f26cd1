#!/usr/bin/env bash
# Installs what is missing, builds the configurator for one converter type
# (CONVERTER_TYPE, 1 when none is asked) and starts it from that type's own
# folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
type="${CONVERTER_TYPE:-1}"
"$root/scripts/install-deps.sh"
. "$root/scripts/build-env.sh"
# The type is passed every time: the cache would otherwise keep the last one.
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCONFIGURATOR_TESTS=OFF -DCONVERTER_TYPE="$type"
cmake --build "$root/build/release" --target configurator

# The program keeps its configurations (PROJECTS), settings (Rostavelin.xml),
# firmware images (MASTER) and language files beside itself: one folder per
# type, outside build/, so types never mix and a clean build loses nothing.
home="${CONFIGURATOR_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/configurator}/type-$type"
mkdir -p "$home"
# Copied beside and renamed over, so that a copy still running keeps its file.
cp "$root/build/release/configurator" "$home/.configurator.new"
mv -f "$home/.configurator.new" "$home/configurator"
exec "$home/configurator" "$@"
