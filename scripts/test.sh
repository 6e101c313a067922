#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
