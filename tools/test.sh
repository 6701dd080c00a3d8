#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides the build: what the package test makes and checks the Debian package with.
bash tools/setup.sh dpkg-dev file desktop-file-utils appstream lintian
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
