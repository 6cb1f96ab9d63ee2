# Where scripts/build-deps.sh installs the libraries for BRUNIVAL_DEPS_TOOLCHAIN; pkg-config looks
# there only, so the build machine's own libraries never leak into a cross build.
if(NOT BRUNIVAL_DEPS_PREFIX)
  if(DEFINED ENV{BRUNIVAL_DEPS_CACHE})
    set(BRUNIVAL_DEPS_PREFIX $ENV{BRUNIVAL_DEPS_CACHE}/${BRUNIVAL_DEPS_TOOLCHAIN}/prefix)
  else()
    set(BRUNIVAL_DEPS_PREFIX $ENV{HOME}/.cache/brunival-deps/${BRUNIVAL_DEPS_TOOLCHAIN}/prefix)
  endif()
endif()
# try_compile re-reads the toolchain file in a fresh project; hand the prefix on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRUNIVAL_DEPS_PREFIX)
set(ENV{PKG_CONFIG_LIBDIR} ${BRUNIVAL_DEPS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
