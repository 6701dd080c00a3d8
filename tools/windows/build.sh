#!/usr/bin/env bash
# Cross-builds Verlandis and its tests for 64-bit Windows against the libraries of build-deps.sh,
# then makes its packages: the ZIP, and the installer when NSIS (makensis) is there.
#   bash tools/windows/build.sh [build folder, default build-win64]
# VERLANDIS_WIN64_PREFIX: a prefix made by build-deps.sh elsewhere (default: its cache).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/../.."
build="${1:-build-win64}"
start=$(date +%s)

prefix="${VERLANDIS_WIN64_PREFIX:-}"
if [ -z "$prefix" ]; then
  prefix="$(bash "$here/build-deps.sh" | tail -n 1)"
fi
[ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] || { echo "Pas de Qt pour Windows dans $prefix" >&2; exit 1; }
command -v makensis >/dev/null || echo "makensis absent (paquet nsis) : pas d'installateur, seulement le ZIP"

# Qt's toolchain file chains to the MinGW one and finds moc, rcc and uic on the host.
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DVERLANDIS_TESTS=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine.sh;--qt=$prefix;--offscreen"
nice -n 19 cmake --build "$build" -j"${VERLANDIS_JOBS:-$(nproc)}"
# NSISCONFDIR: a 64-bit installer (packaging/windows/nsisconf.nsh).
(cd "$build" && rm -f verlandis-*-win64.zip verlandis-*-win64.exe &&
  NSISCONFDIR="$here/../../packaging/windows" cpack)
echo "Construction pour Windows : $(( $(date +%s) - start )) s"
ls -l "$build"/verlandis-*-win64.*
