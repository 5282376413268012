# The product's version, kept in one place: version.txt at the top of the tree (major.minor.patch).
# Every Windows binary carries it in its version resource, the program's manifest names it and the
# installer takes it for its own version and file name.
#
#   TAVELO_VERSION                        "1.0.0"
#   TAVELO_VERSION_MAJOR/_MINOR/_PATCH    its numbers
#   ${CMAKE_BINARY_DIR}/generated/TaveloVersion.h   the same for resource scripts and code
#   tavelo_version_resource(TARGET DESCRIPTION)     a version resource for one binary (Windows)

file(STRINGS ${CMAKE_SOURCE_DIR}/version.txt TAVELO_VERSION LIMIT_COUNT 1)
string(STRIP "${TAVELO_VERSION}" TAVELO_VERSION)
if(NOT TAVELO_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "version.txt must hold major.minor.patch, not '${TAVELO_VERSION}'")
endif()
set(TAVELO_VERSION_MAJOR ${CMAKE_MATCH_1})
set(TAVELO_VERSION_MINOR ${CMAKE_MATCH_2})
set(TAVELO_VERSION_PATCH ${CMAKE_MATCH_3})
# A changed version.txt configures the build again.
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/version.txt)

set(TAVELO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/TaveloVersion.h.in ${TAVELO_GENERATED_DIR}/TaveloVersion.h @ONLY)

if(TAVELO_WINDOWS)
  enable_language(RC)
endif()

# tavelo_version_resource(TARGET DESCRIPTION): compiles a version resource into the program or
# DLL: product "TaveloPro", file and product version from version.txt, the file's own name and
# the description given. Does nothing outside the Windows build.
function(tavelo_version_resource target description)
  if(NOT TAVELO_WINDOWS)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(TAVELO_FILE_TYPE VFT_APP)
  elseif(type STREQUAL "SHARED_LIBRARY")
    set(TAVELO_FILE_TYPE VFT_DLL)
  else()
    message(FATAL_ERROR "tavelo_version_resource: ${target} is neither a program nor a DLL")
  endif()
  set(TAVELO_FILE_DESCRIPTION "${description}")
  # The file names come from the target itself once it is generated (prefix, output name).
  set(TAVELO_FILE_NAME "$<TARGET_FILE_NAME:${target}>")
  set(TAVELO_INTERNAL_NAME "$<TARGET_FILE_BASE_NAME:${target}>")
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.rc.in)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/Version.rc.in ${stage} @ONLY)
  file(GENERATE OUTPUT ${script} INPUT ${stage})
  target_sources(${target} PRIVATE ${script})
  set_source_files_properties(${script} PROPERTIES GENERATED TRUE
    OBJECT_DEPENDS ${TAVELO_GENERATED_DIR}/TaveloVersion.h)
  target_include_directories(${target} PRIVATE ${TAVELO_GENERATED_DIR})
endfunction()
