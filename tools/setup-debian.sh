#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang libclang-rt-14-dev
  qtbase5-dev qtbase5-dev-tools qtmultimedia5-dev qttools5-dev qttools5-dev-tools
  libqt5svg5-dev qtbase5-private-dev
  libhidapi-dev libcjson-dev libpugixml-dev libfftw3-dev libudev-dev
  libx11-dev libxtst-dev libxi-dev libpulse-dev pulseaudio pulseaudio-utils
  # The user's keyboard layout for the keys sent through /dev/uinput.
  libxkbcommon-dev libxkbcommon-x11-dev xkb-data
  fonts-wqy-microhei fontconfig
  # Qt's own texts (file dialog, message box buttons) in the sixteen languages.
  qttranslations5-l10n
  # The sixteen interface languages: simplified and traditional Han, kana and
  # Hangul (Noto CJK); Latin with Czech, Polish and Turkish letters, Cyrillic
  # and Arabic (Noto core).
  fonts-noto-cjk fonts-noto-core
  xvfb xauth x11-utils xdotool
  qemu-system-x86 linux-image-amd64 busybox-static usbip udev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (or with sudo) to install them." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
