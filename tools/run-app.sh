#!/usr/bin/env bash
# Installs the Debian packages, builds the application and starts it.
# Without a keyboard at hand, try it with a simulated one:
#   LUMTAR_SIMULATED_DEVICES=<model> bash tools/run-app.sh
# (the model names are those of sdk/data/devices.json).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh

build=${LUMTAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
exec "$build/bin/lumtar" "$@"
