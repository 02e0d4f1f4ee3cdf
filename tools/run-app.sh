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

# Let a normal user open the supported keyboards (hidraw and input nodes are
# root's) and /dev/uinput, through which text keys type on any desktop.
if [ "$(id -u)" -eq 0 ] && [ -d /etc/udev/rules.d ] && [ -f "$build/bin/70-lumtar.rules" ]; then
  if ! cmp -s "$build/bin/70-lumtar.rules" /etc/udev/rules.d/70-lumtar.rules; then
    install -m 0644 "$build/bin/70-lumtar.rules" /etc/udev/rules.d/70-lumtar.rules
    # The uinput device is there to be triggered once its module is loaded.
    modprobe uinput 2>/dev/null || true
    command -v udevadm >/dev/null && udevadm control --reload-rules 2>/dev/null && udevadm trigger 2>/dev/null || true
  fi
fi

exec "$build/bin/lumtar" "$@"
