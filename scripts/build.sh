#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) in build/.
# Extra arguments name the targets to build (all when none).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" ${1:+--target "$@"}
