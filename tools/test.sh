#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides the build: what the package test makes and checks the Debian package with.
# The checkers of the exported files: the CSV reader, the HTML5 checker, the PDF text.
# The QR code reader the poster is read back with; the browser the phones' page is tried in.
# The formatter the style is checked with.
bash tools/setup.sh dpkg-dev file desktop-file-utils appstream lintian python3 tidy poppler-utils zbar-tools chromium \
  clang-format
# Node.js drives the browser (puppeteer-core, at the version the lock file holds); an npm already
# installed (with its own Node.js) is kept.
command -v npm >/dev/null || bash tools/setup.sh nodejs npm
npm ci --prefix tests/browser --no-audit --no-fund
bash tools/format.sh --check
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DVERLANDIS_WERROR=ON
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
