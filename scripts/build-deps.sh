#!/usr/bin/env bash
# Usage: scripts/build-deps.sh emscripten|mingw
# Builds the static libraries a cross-built game links (zlib, libpng, libjpeg-turbo, SDL2,
# libopenmpt) from Debian's source packages into a cache outside the tree, one install prefix per
# toolchain. A package is rebuilt only when its Debian source version changes. Progress goes to
# standard error; the prefix is the last line of standard output.
set -euo pipefail

toolchain=${1:-}
case $toolchain in
  emscripten | mingw) ;;
  *)
    echo "usage: $0 emscripten|mingw" >&2
    exit 2
    ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${BRUNIVAL_DEPS_CACHE:-$HOME/.cache/brunival-deps}/$toolchain
prefix=$cache/prefix
log=$cache/build.log
jobs=${BRUNIVAL_DEPS_JOBS:-2}
toolchain_file=$root/cmake/toolchains/$([ "$toolchain" = mingw ] && echo mingw-w64 || echo emscripten).cmake
mkdir -p "$prefix/lib/pkgconfig" "$cache/stamps"
# Several builds on one machine share the cache: one at a time per toolchain.
exec 9>"$cache/lock"
flock 9
: >"$log"

say() { echo "build-deps ($toolchain): $*" >&2; }
fail() {
  say "FAILED: $*; last lines of $log:"
  tail -n 40 "$log" >&2
  exit 1
}

source_versions() { # newest first
  apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -u | sort -rV
}
if [ -z "$(source_versions zlib)" ] || ! command -v dpkg-source >/dev/null; then
  say "enabling Debian source packages and build tools"
  "$root/scripts/install-deps.sh" >>"$log" 2>&1 || fail "scripts/install-deps.sh"
fi

if [ "$toolchain" = mingw ]; then
  host=x86_64-w64-mingw32
  export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib
  run() { "$@"; }
  autotools_host=$host
else
  export NODE_PATH=/usr/share/nodejs # Emscripten's tools need Debian's acorn, not the node's own
  run() { emconfigure "$@"; }
  autotools_host=wasm32-unknown-none # config.sub of these releases predates Emscripten
fi

cmake_install() {
  cmake -S . -B brunival-build -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" -DBRUNIVAL_DEPS_PREFIX="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib "$@"
  cmake --build brunival-build -j "$jobs"
  cmake --install brunival-build
}
autotools_install() {
  # No debug information: it would only make the libraries slower to build. WebAssembly code
  # leaves exceptions out unless asked, and a library that throws and catches would abort.
  local cxxflags=-O2
  if [ "$toolchain" = emscripten ]; then cxxflags="-O2 -fexceptions"; fi
  run ./configure --host="$autotools_host" --prefix="$prefix" --disable-shared --enable-static \
    CFLAGS=-O2 CXXFLAGS="$cxxflags" "$@"
  make -j "$jobs"
  make install
}

build_zlib() {
  # zlib's own configure is not autoconf: it takes the target from CHOST.
  if [ "$toolchain" = mingw ]; then export CHOST=$host; fi
  run ./configure --static --prefix="$prefix"
  make -j "$jobs" libz.a
  make install
}
build_libpng1.6() {
  cmake_install -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=OFF
}
build_libjpeg-turbo() {
  # Without SIMD the decoder is the same portable C on every target. Its own GNUInstallDirs takes a
  # relative library folder as relative to the source tree.
  cmake_install -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DCMAKE_INSTALL_LIBDIR="$prefix/lib"
}
build_libsdl2() {
  cmake_install -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_STATIC_PIC=OFF
}
build_libopenmpt() {
  autotools_install --disable-openmpt123 --disable-examples --disable-tests --disable-doxygen-doc \
    --without-zlib --without-mpg123 --without-ogg --without-vorbis --without-vorbisfile \
    --without-pulseaudio --without-portaudio --without-portaudiocpp --without-sdl2 \
    --without-sndfile --without-flac
}

install_licences() { # $1: package; run inside its source tree
  local dest=$prefix/share/licenses/$1
  mkdir -p "$dest"
  cp debian/copyright "$dest/debian-copyright"
  local f
  for f in LICENSE* LICENCE* COPYING* README.ijg; do
    if [ -f "$f" ]; then cp "$f" "$dest/"; fi
  done
}

build_package() { # $1: Debian source package, $2: the library it must install
  local package=$1 library=$prefix/lib/$2 version work=$cache/src
  for version in $(source_versions "$package"); do
    if [ -e "$cache/stamps/$package=$version" ] && [ -e "$library" ]; then
      say "$package $version: up to date"
      return
    fi
    rm -rf "$work" && mkdir -p "$work"
    echo "=== $package $version" >>"$log"
    if ! (cd "$work" && apt-get source -qq "$package=$version") >>"$log" 2>&1; then
      say "$package $version: source not available from the mirror, trying an older one"
      continue
    fi
    say "$package $version: building"
    local started=$SECONDS
    local tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
    # errexit must hold inside the build, which a `|| fail` after it would switch off.
    set +e
    (
      set -e
      cd "$tree"
      "build_$package"
      install_licences "$package"
    ) >>"$log" 2>&1
    local status=$?
    set -e
    [ $status -eq 0 ] || fail "building $package $version"
    [ -e "$library" ] || fail "$package $version installed no $library"
    say "$package $version: built in $((SECONDS - started)) s"
    rm -f "$cache/stamps/$package="*
    touch "$cache/stamps/$package=$version"
    rm -rf "$work"
    return
  done
  fail "no source version of $package could be fetched"
}

# Dependencies first: libpng finds zlib in the prefix. Each names the library that proves it built.
build_package zlib libz.a
build_package libpng1.6 libpng16.a
build_package libjpeg-turbo libjpeg.a
# The page draws and plays through the browser's own interfaces: only the Windows game needs SDL2.
if [ "$toolchain" = mingw ]; then build_package libsdl2 libSDL2.a; fi
build_package libopenmpt libopenmpt.a
echo "$prefix"
