# Compiles to WebAssembly with Debian's Emscripten (what `emcmake` would add, plus the libraries'
# prefix). Its tools need NODE_PATH=/usr/share/nodejs in the environment of both configure and build.
set(BRUNIVAL_DEPS_TOOLCHAIN emscripten)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/deps-prefix.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${BRUNIVAL_DEPS_PREFIX})
