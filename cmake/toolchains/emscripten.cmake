# Compiles to WebAssembly with Debian's Emscripten (what `emcmake` would add, plus the libraries'
# prefix). Its tools need NODE_PATH=/usr/share/nodejs in the environment of both configure and build.
set(BRUNIVAL_DEPS_TOOLCHAIN emscripten)
# Configure checks run their programs under Node.js, whose built-in fetch this Emscripten's loader
# mistakes for a browser's when it looks for the .wasm file.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)
endif()
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/deps-prefix.cmake)
# Ahead of Emscripten's sysroot, whose SDL2 package only points at the downloading "port".
list(PREPEND CMAKE_FIND_ROOT_PATH ${BRUNIVAL_DEPS_PREFIX})
