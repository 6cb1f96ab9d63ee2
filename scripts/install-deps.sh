#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; does nothing when all are there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libopenmpt-dev libjpeg62-turbo-dev libpng-dev nlohmann-json3-dev
  libfreetype-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool openbox imagemagick x11-utils
  desktop-file-utils appstream groff-base valgrind pngquant strace
  dpkg-dev emscripten g++-mingw-w64-x86-64 nasm wine wine64 zip unzip
  chromium chromium-driver python3-selenium python3-pefile
)
# The cross builds compile their libraries from Debian's source packages (scripts/build-deps.sh).
sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ] && grep -q '^Types: deb$' "$sources"; then
  deb_src_edit=(sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources")
elif grep -qs '^deb ' /etc/apt/sources.list && ! grep -q '^deb-src ' /etc/apt/sources.list; then
  deb_src_edit=(sed -i -e 'p' -e 's/^deb /deb-src /;t' -e 'd' /etc/apt/sources.list)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})) || [ -n "${deb_src_edit:-}" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them yourself)" >&2
    [ -z "${deb_src_edit:-}" ] || echo "Debian source packages (deb-src) are not enabled" >&2
    exit 1
  fi
  [ -z "${deb_src_edit:-}" ] || "${deb_src_edit[@]}"
  apt-get update -qq
  ((${#missing[@]} == 0)) ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
