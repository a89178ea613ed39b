# Helpers that give every layer the same shape: a static library made of all
# sources below its folder, built with warnings as errors.

function(velvara_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# velvara_library(NAME <target> DIR <folder> [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# Collects every .cpp below DIR (recursively), so adding a file needs no edit here.
function(velvara_library)
  cmake_parse_arguments(ARG "" "NAME;DIR" "PUBLIC_DEPS;PRIVATE_DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  if(NOT sources)
    # A layer whose first source has not been written yet still links.
    add_library(${ARG_NAME} INTERFACE)
    target_include_directories(${ARG_NAME} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${ARG_NAME} INTERFACE ${ARG_PUBLIC_DEPS})
    return()
  endif()
  add_library(${ARG_NAME} STATIC ${sources})
  target_include_directories(${ARG_NAME} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_target_properties(${ARG_NAME} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  velvara_warnings(${ARG_NAME})
endfunction()
