#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides the build: what the package test makes and checks the Debian package with.
# The checkers of the exported files: the CSV reader, the HTML5 checker, the PDF text.
# The formatter the style is checked with.
bash tools/setup.sh dpkg-dev file desktop-file-utils appstream lintian python3 tidy poppler-utils zbar-tools clang-format
bash tools/format.sh --check
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DVERLANDIS_WERROR=ON
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
