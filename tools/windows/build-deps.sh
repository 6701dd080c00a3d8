#!/usr/bin/env bash
# Cross-builds, from Debian's own source packages, the Windows (x86_64, mingw-w64 posix) libraries Verlandis links:
# Qt's qtbase for now. One prefix per set of versions and options, kept under ~/.cache/verlandis; a second run
# with the same versions and options finds it and does nothing. Run once per machine: about 35 minutes on two
# idle cores.
#   bash tools/windows/build-deps.sh [prefix]      prints the prefix on its last line
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
start=$(date +%s)
jobs="${VERLANDIS_JOBS:-$(nproc)}"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get source needs the deb-src lines.
sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ] && ! grep -q '^Types:.*deb-src' "$sources"; then
  as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
  as_root apt-get update
fi
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  dpkg-dev qt6-base-dev-tools cmake ninja-build xz-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The host tools (moc, rcc, uic) must be the very version of the source built.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
crt_version=$(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)

# What the program needs of qtbase, and nothing it would have to find a Windows build of elsewhere: the third-party
# libraries come bundled; no OpenGL, Vulkan, ICU, D-Bus, SQL or XML module.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_network=ON -DFEATURE_testlib=ON
  -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  # No GL: the widgets paint in software. 'no' here also turns dynamicgl off, which 6.4.2 leaves on otherwise
  # and then fails to compile in the windows plugin.
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  # The separate direct2d platform plugin is not needed; direct2d itself stays, PrintSupport links against it.
  -DFEATURE_direct2d1_1=OFF
  # Debian's +dfsg source has no src/3rdparty/wintab, which the tablet support of the windows plugin includes.
  -DFEATURE_tabletevent=OFF
  # The offscreen platform (the tests) is built only with FreeType.
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
  -DFEATURE_pkg_config=OFF -DFEATURE_glib=OFF
  # Plain HTTP on the club's network is all the live results need; no TLS backend.
  -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF
)

# The prefix's name carries the versions; its last part, the options and the toolchain file.
key=$( { printf '%s\n' "${qt_options[@]}"; cat "$here/mingw-w64.cmake"; } | sha256sum | cut -c1-10)
prefix="${1:-$HOME/.cache/verlandis/win64-qt${qt_version%%+*}-gcc${gcc_version}-$key}"
stamp="$prefix/.verlandis-deps"
wanted="qt6-base $qt_version; mingw-w64 g++ $gcc_version, crt $crt_version; options $key"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
  echo "Bibliothèques Windows à jour ($wanted), $(( $(date +%s) - start )) s"
  echo "$prefix"
  exit 0
fi

work="${VERLANDIS_DEPS_WORK:-$HOME/.cache/verlandis/work}"
mkdir -p "$work" "$prefix/share/verlandis"
rm -f "$stamp"
# Qt's own toolchain file in the prefix records this path: the copy lives in the prefix so the prefix stands alone.
cp "$here/mingw-w64.cmake" "$prefix/share/verlandis/mingw-w64.cmake"

src="$work/qt6-base-${qt_version%-*}"
if [ ! -f "$src/.verlandis-source" ] || [ "$(cat "$src/.verlandis-source")" != "$qt_version" ]; then
  rm -rf "$src"
  (cd "$work" && apt-get source "qt6-base=$qt_version")
  echo "$qt_version" > "$src/.verlandis-source"
fi

build="$work/build-qtbase-$key"
t0=$(date +%s)
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/share/verlandis/mingw-w64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${qt_options[@]}"
t1=$(date +%s)
echo "qtbase configuré en $(( t1 - t0 )) s"
nice -n 19 cmake --build "$build" -j"$jobs"
cmake --install "$build"
echo "qtbase compilé et installé en $(( $(date +%s) - t1 )) s"

echo "$wanted" > "$stamp"
[ -n "${VERLANDIS_KEEP_BUILD:-}" ] || rm -rf "$build"
echo "Bibliothèques Windows construites ($wanted) en $(( $(date +%s) - start )) s"
echo "$prefix"
