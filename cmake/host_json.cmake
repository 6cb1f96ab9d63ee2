# The JSON library is header-only and the same on every target, so a cross build takes the
# build machine's copy; only its own folder is put on the include path, never /usr/include.
find_path(BRUNIVAL_HOST_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(host_json_dir ${CMAKE_BINARY_DIR}/host-json)
file(MAKE_DIRECTORY ${host_json_dir})
file(CREATE_LINK ${BRUNIVAL_HOST_JSON_INCLUDE}/nlohmann ${host_json_dir}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${host_json_dir})
