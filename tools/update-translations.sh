#!/usr/bin/env bash
# Refreshes the translation sources from the code with lupdate. The build
# turns them into .qm files with lrelease.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=(app core widgets device ui)
for ts in translations/*.ts; do
  lupdate -no-obsolete -locations none "${dirs[@]}" -ts "$ts"
done
