#!/usr/bin/env bash
# Installs what is missing, builds Verlandis in Release and makes its Debian package.
# Usage: bash tools/package.sh [build folder, build-package by default]
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev: dpkg-shlibdeps, which computes the dependencies, and dpkg-buildflags;
# file: how CPack finds the programs to give to dpkg-shlibdeps.
bash tools/setup.sh dpkg-dev file
build=${1:-build-package}

# Debian's hardening flags, without the debugging information the package strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVERLANDIS_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)

version=$(sed -n 's/^project(Verlandis VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="$build/verlandis_${version}_$(dpkg --print-architecture).deb"
test -f "$deb"
echo "Paquet prêt : $deb"
case "$deb" in /*) ;; *) deb="./$deb" ;; esac
echo "Pour l'installer : sudo apt install $deb"
