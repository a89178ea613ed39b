# Files that the program carries inside itself. Each call adds a group of
# named files; velvara_embed_finish() turns all groups into one library,
# velvara_assets, whose lookup is assets/Assets.h.

set_property(GLOBAL PROPERTY VELVARA_ASSET_ARGS "")
set_property(GLOBAL PROPERTY VELVARA_ASSET_FILES "")

# velvara_embed_group(GROUP <name> FILES <asset name>=<path> ...)
function(velvara_embed_group)
  cmake_parse_arguments(ARG "" "GROUP" "FILES" ${ARGN})
  foreach(entry IN LISTS ARG_FILES)
    string(FIND "${entry}" "=" eq)
    if(eq LESS 1)
      message(FATAL_ERROR "velvara_embed_group(${ARG_GROUP}): '${entry}' is not <asset name>=<path>")
    endif()
    string(SUBSTRING "${entry}" 0 ${eq} name)
    math(EXPR start "${eq} + 1")
    string(SUBSTRING "${entry}" ${start} -1 path)
    if(NOT IS_ABSOLUTE "${path}")
      set(path "${CMAKE_CURRENT_SOURCE_DIR}/${path}")
    endif()
    set_property(GLOBAL APPEND PROPERTY VELVARA_ASSET_ARGS "${ARG_GROUP}:${name}=${path}")
    set_property(GLOBAL APPEND PROPERTY VELVARA_ASSET_FILES "${path}")
  endforeach()
endfunction()

function(velvara_embed_finish)
  get_property(args GLOBAL PROPERTY VELVARA_ASSET_ARGS)
  get_property(files GLOBAL PROPERTY VELVARA_ASSET_FILES)
  set(out ${CMAKE_BINARY_DIR}/generated/embedded_assets.cpp)
  set(list_file ${CMAKE_BINARY_DIR}/generated/embedded_assets.list)
  string(REPLACE ";" "\n" lines "${args}")
  file(GENERATE OUTPUT ${list_file} CONTENT "${lines}\n")
  add_custom_command(
    OUTPUT ${out}
    COMMAND embedgen ${list_file} ${out}
    DEPENDS embedgen ${files} ${list_file}
    COMMENT "Embedding assets"
    VERBATIM)
  add_library(velvara_assets STATIC ${CMAKE_SOURCE_DIR}/assets/Assets.cpp ${out})
  target_include_directories(velvara_assets PUBLIC ${CMAKE_SOURCE_DIR})
  set_target_properties(velvara_assets PROPERTIES POSITION_INDEPENDENT_CODE ON)
  velvara_warnings(velvara_assets)
endfunction()
