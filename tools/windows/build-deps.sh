#!/usr/bin/env bash
# Cross-builds, from Debian's own source packages, the Windows (x86_64, mingw-w64 posix) libraries Verlandis links:
# Qt's qtbase, then libqrencode and libmicrohttpd. One prefix per set of Qt versions and options, kept under ~/.cache/verlandis; each
# library has its stamp there, so a second run builds only what is missing or out of date (a library added later
# extends an existing prefix without building Qt again). Run once per machine: about 35 minutes on two idle cores,
# all but a few seconds of it for Qt.
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
  dpkg-dev qt6-base-dev-tools libqrencode-dev libmicrohttpd-dev cmake ninja-build make xz-utils bzip2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The host tools (moc, rcc, uic) must be the very version of the source built; the other libraries are those the
# Linux build links.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qrencode_version=$(dpkg-query -W -f='${source:Version}' libqrencode-dev)
microhttpd_version=$(dpkg-query -W -f='${source:Version}' libmicrohttpd-dev)
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
crt_version=$(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)
toolchain="mingw-w64 g++ $gcc_version, crt $crt_version"

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

# A shared library, so that it can be replaced as the LGPL asks (the program's own sources are not published); no
# command-line tool, hence no PNG library.
qrencode_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DWITH_TOOLS=OFF -DWITH_TESTS=OFF)
# Shared too, for the same reason; plain HTTP only, and nothing the live results do not use (no TLS, no
# authentication, no form parsing, no protocol upgrade).
microhttpd_options=(--enable-shared --disable-static --disable-https --disable-doc --disable-examples --disable-curl
  --disable-postprocessor --disable-dauth --disable-bauth --disable-httpupgrade --disable-messages
  --disable-nls)

# The prefix's name carries Qt's versions; its last part, Qt's options and the toolchain file.
key=$( { printf '%s\n' "${qt_options[@]}"; cat "$here/mingw-w64.cmake"; } | sha256sum | cut -c1-10)
prefix="${1:-$HOME/.cache/verlandis/win64-qt${qt_version%%+*}-gcc${gcc_version}-$key}"
# Qt's stamp keeps its first name: the packaging reads Qt's Debian version from it.
qt_stamp="$prefix/.verlandis-deps"
qt_wanted="qt6-base $qt_version; $toolchain; options $key"
qrencode_stamp="$prefix/.verlandis-qrencode"
qrencode_key=$(printf '%s\n' "${qrencode_options[@]}" | sha256sum | cut -c1-10)
qrencode_wanted="qrencode $qrencode_version; $toolchain; options $qrencode_key"
microhttpd_stamp="$prefix/.verlandis-microhttpd"
microhttpd_key=$(printf '%s\n' "${microhttpd_options[@]}" | sha256sum | cut -c1-10)
microhttpd_wanted="libmicrohttpd $microhttpd_version; $toolchain; options $microhttpd_key"
all_wanted="$qt_wanted ; $qrencode_wanted ; $microhttpd_wanted"

stamped() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
if stamped "$qt_stamp" "$qt_wanted" && stamped "$qrencode_stamp" "$qrencode_wanted" &&
  stamped "$microhttpd_stamp" "$microhttpd_wanted"; then
  echo "Bibliothèques Windows à jour ($all_wanted), $(( $(date +%s) - start )) s"
  echo "$prefix"
  exit 0
fi

work="${VERLANDIS_DEPS_WORK:-$HOME/.cache/verlandis/work}"
mkdir -p "$work" "$prefix/share/verlandis"

if ! stamped "$qt_stamp" "$qt_wanted"; then
  rm -f "$qt_stamp"
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
  echo "$qt_wanted" > "$qt_stamp"
  [ -n "${VERLANDIS_KEEP_BUILD:-}" ] || rm -rf "$build"
fi

# The upstream tarball of Debian's source package $1 at version $2 (an archive ending in $3), unpacked once under
# $work; prints the folder. Only the tarball: each library's own build needs nothing of the Debian packaging, and apt
# checks the tarball against the archive's index.
upstream_source() {
  local upstream="${2%-*}"
  local folder="$work/$1-$upstream"
  if [ ! -f "$folder/.verlandis-source" ] || [ "$(cat "$folder/.verlandis-source")" != "$2" ]; then
    rm -rf "$folder"
    (cd "$work" && apt-get source --tar-only "$1=$2") >&2
    mkdir "$folder"
    tar -xf "$work/$1_$upstream.orig.tar.$3" -C "$folder" --strip-components=1
    echo "$2" > "$folder/.verlandis-source"
  fi
  echo "$folder"
}

if ! stamped "$qrencode_stamp" "$qrencode_wanted"; then
  rm -f "$qrencode_stamp"
  src=$(upstream_source qrencode "$qrencode_version" bz2)
  build="$work/build-qrencode-$qrencode_key"
  t0=$(date +%s)
  rm -rf "$build"
  cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${qrencode_options[@]}"
  nice -n 19 cmake --build "$build" -j"$jobs"
  cmake --install "$build"
  # Its install rule puts the DLL beside the import library; Windows finds it beside the program or on PATH, where
  # the prefix's bin goes (wine.sh), and the packaging looks there.
  mv "$prefix/lib/libqrencode.dll" "$prefix/bin/"
  echo "libqrencode compilée et installée en $(( $(date +%s) - t0 )) s"
  echo "$qrencode_wanted" > "$qrencode_stamp"
  rm -rf "$build"
fi

if ! stamped "$microhttpd_stamp" "$microhttpd_wanted"; then
  rm -f "$microhttpd_stamp"
  src=$(upstream_source libmicrohttpd "$microhttpd_version" xz)
  build="$work/build-microhttpd-$microhttpd_key"
  t0=$(date +%s)
  rm -rf "$build"
  mkdir -p "$build"
  # Its own autotools build, with the same compilers as Qt's toolchain file (Windows threads inside the library).
  (cd "$build" && "$src/configure" --host=x86_64-w64-mingw32 --prefix="$prefix" \
    CC=x86_64-w64-mingw32-gcc-posix "${microhttpd_options[@]}" > configure.log)
  nice -n 19 make -C "$build" -j"$jobs" > "$build/make.log"
  make -C "$build" install > /dev/null
  echo "libmicrohttpd compilée et installée en $(( $(date +%s) - t0 )) s"
  echo "$microhttpd_wanted" > "$microhttpd_stamp"
  rm -rf "$build"
fi

echo "Bibliothèques Windows construites ($all_wanted) en $(( $(date +%s) - start )) s"
echo "$prefix"
