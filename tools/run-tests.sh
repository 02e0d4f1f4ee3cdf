#!/usr/bin/env bash
# Installs the Debian packages, builds the test configuration (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh

build=${LUMTAR_TEST_BUILD_DIR:-build-tests}
jobs=$(nproc)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DLUMTAR_SANITIZE=ON -DLUMTAR_BUILD_TESTS=ON -DLUMTAR_BUILD_BENCH=ON
cmake --build "$build" -j "$jobs"
cd "$build"
ctest --output-on-failure -j "$jobs" "$@"
