# Shared settings and helpers for every component of the tree.

set(TAVELO_WINDOWS OFF)
if(WIN32)
  set(TAVELO_WINDOWS ON)
endif()

# Programs, DLLs and shared objects land together, so a test program finds the DLLs it loads
# from its own folder exactly as the product does.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# Headers are included by their path from the top of the tree: "fx/core/...", "comm/...".
include_directories(${CMAKE_SOURCE_DIR})

add_compile_options(-Wall -Wextra)
if(TAVELO_FUZZ)
  # libFuzzer needs clang, and clang can only produce UTF-8 literals. The fuzz build checks that
  # readers survive any input, which does not depend on how literals are encoded; every build that
  # runs tests or ships is gcc with GBK literals.
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TAVELO_FUZZ needs clang")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(fuzzers)
else()
  # Every narrow literal is GBK; sources are UTF-8.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "clang cannot encode literals as GBK; build with gcc (fuzz builds excepted)")
  endif()
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)
endif()

if(TAVELO_WINDOWS)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # The static runtime archives carry DWARF sections, and the linker places them inside the
  # image: the loader maps them with the code, a few hundred KB of working set per module that
  # nothing reads. Release modules leave them out (the symbol table stays).
  add_link_options($<$<CONFIG:Release>:-Wl,--strip-debug>)
  if(CMAKE_CROSSCOMPILING)
    # Test programs run under Wine through our wrapper, which supplies the build's own prefix.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_SOURCE_DIR}/scripts/lib/wine-exec ${CMAKE_BINARY_DIR}/wineprefix)
  endif()
else()
  if(TAVELO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# add_subdirectory for each listed folder that exists with a CMakeLists.txt.
function(tavelo_add_components)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    else()
      # A folder that arrives later (a merge, a checkout) must reconfigure an existing build.
      get_filename_component(parent ${CMAKE_SOURCE_DIR}/${dir} DIRECTORY)
      if(EXISTS ${parent})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${parent})
      endif()
    endif()
  endforeach()
endfunction()

# add_subdirectory for every child folder of the current one that has a CMakeLists.txt.
function(tavelo_add_child_folders)
  # New child folders reconfigure an existing build.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# tavelo_test(NAME name SOURCES ... [LIBS ...] [LABEL unit|integration|gui] [WORKING_DIRECTORY dir])
# A GoogleTest program. Natively each case is a test of its own, discovered when ctest runs.
# Under Wine a process start costs about a third of a second, more than most cases take, so the
# whole program is one test under one start; GoogleTest's output names every failing case
# ("[  FAILED  ] Suite.Case"), and scripts/test lists them.
function(tavelo_test)
  cmake_parse_arguments(T "" "NAME;LABEL;WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  if(NOT TAVELO_TESTS)
    return()
  endif()
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
    set_tests_properties(${T_NAME} PROPERTIES LABELS ${T_LABEL} TIMEOUT 900)
  else()
    gtest_discover_tests(${T_NAME}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      WORKING_DIRECTORY ${T_WORKING_DIRECTORY}
      PROPERTIES LABELS ${T_LABEL} TIMEOUT 120)
  endif()
endfunction()

# tavelo_fuzzer(NAME name SOURCES ... [LIBS ...]): a libFuzzer target, built only in the clang
# fuzz build (target "fuzzers" builds them all); scripts/test runs each for a bounded time.
function(tavelo_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(TAVELO_FUZZ)
    add_executable(${F_NAME} EXCLUDE_FROM_ALL ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(fuzzers ${F_NAME})
  endif()
endfunction()
