# add_gauge_module(NAME <module> SOURCES <files...> RESOURCE_SCRIPT <file.rc>
#                  [DEFINITIONS <definitions...>] [INCLUDE_DIRECTORIES <dirs...>])
#
# Builds <module>.gau into ${CMAKE_BINARY_DIR}/modules: in the win32 build a
# lean 32-bit DLL carrying the resource script, in the native build a Linux
# shared object beside a <module>.resources/ directory holding its bitmaps as
# <decimal resource number>.bmp (Linux objects carry no resources).

set(GAUGE_MODULE_DIRECTORY ${CMAKE_BINARY_DIR}/modules)

function(gauge_module_compile_options target)
  if(GAUGE_BUILD STREQUAL "win32")
    # No C runtime: nothing may need exceptions, unwinding tables or stack probes.
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                                             -fno-stack-protector -fno-threadsafe-statics -mfpmath=387)
  else()
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden)
  endif()
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers -Werror=return-type)
endfunction()

function(add_gauge_module)
  cmake_parse_arguments(GAUGE "" "NAME;RESOURCE_SCRIPT" "SOURCES;DEFINITIONS;INCLUDE_DIRECTORIES" ${ARGN})
  add_library(${GAUGE_NAME} SHARED ${GAUGE_SOURCES} $<TARGET_OBJECTS:gauge_frame>)
  target_link_libraries(${GAUGE_NAME} PRIVATE gauge_frame_headers)
  target_compile_definitions(${GAUGE_NAME} PRIVATE ${GAUGE_DEFINITIONS})
  target_include_directories(${GAUGE_NAME} PRIVATE ${GAUGE_INCLUDE_DIRECTORIES})
  gauge_module_compile_options(${GAUGE_NAME})
  set_target_properties(${GAUGE_NAME} PROPERTIES
    PREFIX "" SUFFIX ".gau"
    LIBRARY_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIRECTORY}
    RUNTIME_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIRECTORY})
  get_filename_component(script ${GAUGE_RESOURCE_SCRIPT} ABSOLUTE)
  get_filename_component(script_directory ${script} DIRECTORY)

  # The bitmaps the script names: both builds depend on them.
  set(bitmap_numbers)
  set(bitmap_files)
  file(STRINGS ${script} bitmap_lines REGEX "^[ \t]*(0x[0-9A-Fa-f]+|[0-9]+)[ \t]+BITMAP[ \t]")
  foreach(line IN LISTS bitmap_lines)
    string(REGEX MATCH "^[ \t]*(0x[0-9A-Fa-f]+|[0-9]+)[ \t]+BITMAP[ \t]+\"([^\"]+)\"" matched "${line}")
    if(NOT matched)
      message(FATAL_ERROR "${script}: cannot read the bitmap line '${line}'")
    endif()
    math(EXPR number "${CMAKE_MATCH_1}")
    list(APPEND bitmap_numbers ${number})
    list(APPEND bitmap_files ${script_directory}/${CMAKE_MATCH_2})
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})

  if(GAUGE_BUILD STREQUAL "win32")
    target_sources(${GAUGE_NAME} PRIVATE ${script})
    set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/frame/version_resource.rc
                                                                 ${bitmap_files})
    set_property(TARGET ${GAUGE_NAME} APPEND PROPERTY INCLUDE_DIRECTORIES ${script_directory})
    target_link_options(${GAUGE_NAME} PRIVATE
      -nostdlib -nostartfiles -Wl,--entry=_gauge_dll_entry@12 -Wl,--strip-all
      -Wl,--dynamicbase -Wl,--nxcompat -Wl,--exclude-all-symbols)
    target_link_libraries(${GAUGE_NAME} PRIVATE kernel32 msvcrt)
    set_target_properties(${GAUGE_NAME} PROPERTIES LINK_LIBRARIES_ONLY_TARGETS OFF)
  else()
    # The loader functions are the host's (see frame/windows_loader.h).
    set(resource_directory ${GAUGE_MODULE_DIRECTORY}/${GAUGE_NAME}.resources)
    set(copy_commands COMMAND ${CMAKE_COMMAND} -E rm -rf ${resource_directory}
                      COMMAND ${CMAKE_COMMAND} -E make_directory ${resource_directory})
    foreach(number file IN ZIP_LISTS bitmap_numbers bitmap_files)
      list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E copy ${file} ${resource_directory}/${number}.bmp)
    endforeach()
    add_custom_command(OUTPUT ${resource_directory}/.stamp ${copy_commands}
                       COMMAND ${CMAKE_COMMAND} -E touch ${resource_directory}/.stamp
                       DEPENDS ${bitmap_files} ${script} VERBATIM)
    add_custom_target(${GAUGE_NAME}_resources DEPENDS ${resource_directory}/.stamp)
    add_dependencies(${GAUGE_NAME} ${GAUGE_NAME}_resources)
  endif()
  set_property(GLOBAL APPEND PROPERTY GAUGE_MODULES ${GAUGE_NAME})
endfunction()
