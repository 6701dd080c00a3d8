#!/usr/bin/env bash
# Installs what is missing, builds Verlandis and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target verlandis
exec build/src/verlandis
