# Shared helpers for the module folders.

# Warnings as errors on our own code only (GoogleTest and others are built
# with their own flags).
function(orv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 at -O3 (Release) reports overlapping copies inside std::string's
  # own operator+ (GCC bug 105651, fixed in 13): a warning about the library,
  # not our code, so there it stays a warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-error=restrict>)
  endif()
endfunction()

# orv_add_library(name SOURCES...) defines orv_<name>, a static library of one
# module, and registers it for the link group of programs and tests.
function(orv_add_library name)
  add_library(orv_${name} STATIC ${ARGN})
  target_include_directories(orv_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  orv_warnings(orv_${name})
  set_property(GLOBAL APPEND PROPERTY ORV_LIBRARIES orv_${name})
endfunction()

# Links every module library into `target` as one group (modules may depend
# on each other in both directions, e.g. the core and the text port).
function(orv_link_all target)
  get_property(libs GLOBAL PROPERTY ORV_LIBRARIES)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE -Wl,--start-group ${libs} -Wl,--end-group)
  foreach(lib ${libs})
    add_dependencies(${target} ${lib})
  endforeach()
  if(WIN32)
    target_link_libraries(${target} PRIVATE user32 gdi32 kernel32 shell32 ole32 advapi32 winmm comctl32 comdlg32 wininet)
  endif()
endfunction()

# Programs for Windows carry their C and C++ runtimes inside.
function(orv_static_runtime target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()
