# Helpers that give every layer the same shape: a static library made of all
# sources below its folder, built with warnings as errors.

function(velvara_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 at -O3 (the Release build) reports -Wrestrict inside libstdc++'s
  # std::string for plain concatenations and assignments: a known false
  # positive of that compiler's optimiser (GCC bug 105329). With the
  # sanitizers' checks (scripts/test.sh --sanitize) it does so at every level,
  # and warns of unset members inside std::regex's std::function as well,
  # which the same code built without the checks never has.
  # Only those warnings, only there; every other build keeps them errors.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
      target_compile_options(${target} PRIVATE -Wno-restrict -Wno-maybe-uninitialized)
    else()
      target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
    endif()
  endif()
endfunction()

# velvara_library(NAME <target> DIR <folder> [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# Collects every .cpp below DIR (recursively), so adding a file needs no edit here.
function(velvara_library)
  cmake_parse_arguments(ARG "" "NAME;DIR" "PUBLIC_DEPS;PRIVATE_DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp)
  # The patterns are matched against the path below DIR (with a leading "/"),
  # so that the folders above it, whatever their names, exclude nothing.
  set(kept)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative ${ARG_DIR} ${source})
    set(excluded FALSE)
    foreach(pattern IN LISTS ARG_EXCLUDE)
      if("/${relative}" MATCHES "${pattern}")
        set(excluded TRUE)
      endif()
    endforeach()
    if(NOT excluded)
      list(APPEND kept ${source})
    endif()
  endforeach()
  set(sources ${kept})
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

# Walks what target links and the include folders it gets, through every
# library it uses, and stops the configure step at the first Qt among them.
function(_velvara_find_qt target chain)
  get_property(visited GLOBAL PROPERTY VELVARA_QT_WALK_VISITED)
  if(target IN_LIST visited)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY VELVARA_QT_WALK_VISITED ${target})
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()
  set(links "")
  set(folders "")
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(value ${target} ${property})
    if(value)
      list(APPEND links ${value})
    endif()
  endforeach()
  foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES)
    get_target_property(value ${target} ${property})
    if(value)
      list(APPEND folders ${value})
    endif()
  endforeach()
  foreach(folder IN LISTS folders)
    if(folder MATCHES "/[Qq][Tt][56](/|$)")
      message(FATAL_ERROR "${chain} gets the Qt include folder ${folder}: the gallery core must not use Qt")
    endif()
  endforeach()
  foreach(item IN LISTS links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item MATCHES "(^|::|[/ ]|-l|lib)Qt[0-9]*(::|Core|Gui|Widgets|Network|Test|$)")
      message(FATAL_ERROR "${chain} links ${item}: the gallery core must not use Qt")
    endif()
    if(TARGET ${item})
      _velvara_find_qt(${item} "${chain} -> ${item}")
    endif()
  endforeach()
endfunction()

# velvara_forbid_qt(<target>): the build fails when target, or anything it is
# built from, uses Qt: at configure time for a Qt library or include folder in
# its link chain, and before its first compile for a Qt include in its sources.
function(velvara_forbid_qt target)
  set_property(GLOBAL PROPERTY VELVARA_QT_WALK_VISITED "")
  _velvara_find_qt(${target} ${target})
  add_custom_target(${target}_has_no_qt_headers
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-core-has-no-qt.sh
    COMMENT "Checking that no Qt header reaches ${target}"
    VERBATIM)
  add_dependencies(${target} ${target}_has_no_qt_headers)
endfunction()
