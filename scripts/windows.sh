#!/usr/bin/env bash
# Cross-builds the Windows game with MinGW-w64 and packs build-win64/Brunival-VERSION-win64.zip:
# the game, its data set, a README for players and the licence texts of every library built in,
# as .txt files with Windows line ends, so that Notepad opens them with a double click.
# A native build (build/) supplies the data set, the icon and the font generator.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
./scripts/install-deps.sh
jobs=${BRUNIVAL_JOBS:-$(nproc)}
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build -j "$jobs" --target assets icons brunival-canvas-fontgen

prefix=$(./scripts/build-deps.sh mingw | tail -n 1)
# -O2 as on Linux (GCC 12 warns falsely in vector::insert at -O3); the zip gets a stripped copy.
# Afresh: a cache from another dependency prefix would keep that prefix's libraries.
cmake --fresh -S . -B build-win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64.cmake" -DBRUNIVAL_DEPS_PREFIX="$prefix" \
  -DBRUNIVAL_HOST_BUILD="$root/build" -DBRUNIVAL_TESTS=OFF -DBRUNIVAL_BENCH=OFF
cmake --build build-win64 -j "$jobs" --target brunival brunival-headless

version=$(sed -n 's/^project(brunival VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "windows.sh: no version in CMakeLists.txt" >&2; exit 1; }
zip_file=build-win64/Brunival-$version-win64.zip
stage=build-win64/zip/Brunival
rm -rf build-win64/zip build-win64/Brunival-*win64.zip
mkdir -p "$stage/mod" "$stage/lang" "$stage/licenses"
x86_64-w64-mingw32-strip -o "$stage/brunival.exe" build-win64/brunival.exe
cp build/data/grafika.dat build/data/zvuky.dat build/data/nexoda.cfg "$stage/"
cp build/data/mod/*.mod build/data/mod/*.xm "$stage/mod/"
cp build/data/lang/*.txt "$stage/lang/"
cp -r "$prefix/share/licenses/." "$stage/licenses/"
# Linked in as well: the MinGW-w64 runtime and threads, GCC's runtime; painted into the data: DejaVu.
for package in mingw-w64-x86-64-dev gcc-mingw-w64-x86-64-posix-runtime fonts-dejavu-core; do
  mkdir -p "$stage/licenses/$package"
  cp "/usr/share/doc/$package/copyright" "$stage/licenses/$package/copyright"
done
# Text for Notepad: CRLF line ends and a .txt name.
crlf() { sed 's/\r*$/\r/' "$1"; }
find "$stage/licenses" -type f -print0 | while IFS= read -r -d '' file; do
  crlf "$file" >"$file.crlf" && rm "$file" && mv "$file.crlf" "${file%.txt}.txt"
done
sed "s/@VERSION@/$version/g" packaging/windows/README.txt >"$stage/README.txt.lf"
crlf "$stage/README.txt.lf" >"$stage/README.txt" && rm "$stage/README.txt.lf"
(cd build-win64/zip && zip -qrX "../$(basename "$zip_file")" Brunival)
echo "$root/$zip_file"
