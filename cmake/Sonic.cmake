# Target sonic::sonic, the time-scale library.
# Native: Debian's libsonic-dev. PE build: compiled from Debian's source package, fetched by
# package name with apt-get and checked against a pinned checksum; cached under the build tree.

if(NOT WIN32)
  find_path(SONIC_INCLUDE_DIR sonic.h REQUIRED)
  find_library(SONIC_LIBRARY sonic REQUIRED)
  add_library(sonic::sonic UNKNOWN IMPORTED)
  set_target_properties(sonic::sonic PROPERTIES
    IMPORTED_LOCATION ${SONIC_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${SONIC_INCLUDE_DIR})
  return()
endif()

set(SONIC_TARBALL_NAME sonic_0.2.0.orig.tar.gz)
set(SONIC_TARBALL_SHA256 c7827ce576838467590ffa1f935fbe1049e896dfed6c515cf569ad3779c24085)
set(SONIC_CACHE_DIR ${CMAKE_BINARY_DIR}/_deps/sonic)
set(SONIC_TARBALL ${SONIC_CACHE_DIR}/${SONIC_TARBALL_NAME})
set(SONIC_SOURCE_DIR ${SONIC_CACHE_DIR}/sonic-release-0.2.0)

function(_sonic_verify result)
  file(SHA256 ${SONIC_TARBALL} actual)
  if(actual STREQUAL SONIC_TARBALL_SHA256)
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
    message(WARNING "Sonic: ${SONIC_TARBALL_NAME} has SHA-256 ${actual}, expected ${SONIC_TARBALL_SHA256}")
  endif()
endfunction()

set(_sonic_ok FALSE)
if(EXISTS ${SONIC_TARBALL})
  _sonic_verify(_sonic_ok)
endif()
if(NOT _sonic_ok)
  file(REMOVE_RECURSE ${SONIC_CACHE_DIR})
  file(MAKE_DIRECTORY ${SONIC_CACHE_DIR})
  message(STATUS "Sonic: fetching Debian's source package 'sonic'")
  execute_process(
    COMMAND apt-get source --download-only --tar-only sonic
    WORKING_DIRECTORY ${SONIC_CACHE_DIR}
    RESULT_VARIABLE fetch_rc OUTPUT_QUIET ERROR_VARIABLE fetch_err)
  if(NOT fetch_rc EQUAL 0 OR NOT EXISTS ${SONIC_TARBALL})
    message(FATAL_ERROR "Sonic: 'apt-get source --download-only --tar-only sonic' did not give "
      "${SONIC_TARBALL_NAME} (is a deb-src entry configured? scripts/setup.sh adds one):\n${fetch_err}")
  endif()
  _sonic_verify(_sonic_ok)
  if(NOT _sonic_ok)
    message(FATAL_ERROR "Sonic: checksum mismatch, refusing to build from ${SONIC_TARBALL}")
  endif()
endif()
if(NOT EXISTS ${SONIC_SOURCE_DIR}/sonic.c)
  file(ARCHIVE_EXTRACT INPUT ${SONIC_TARBALL} DESTINATION ${SONIC_CACHE_DIR}
    PATTERNS sonic-release-0.2.0/sonic.c sonic-release-0.2.0/sonic.h sonic-release-0.2.0/COPYING)
endif()

add_library(sonic STATIC ${SONIC_SOURCE_DIR}/sonic.c)
target_include_directories(sonic SYSTEM PUBLIC ${SONIC_SOURCE_DIR})
# Third-party code: built as it is, its warnings are not ours to fix.
target_compile_options(sonic PRIVATE -w -O2)
add_library(sonic::sonic ALIAS sonic)
