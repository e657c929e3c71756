# GoogleTest: natively Debian's libgtest-dev; for the PE build compiled from the sources that
# Debian's googletest package ships under /usr/src/googletest.
if(NOT WIN32)
  find_package(GTest REQUIRED)
  return()
endif()

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
# GoogleTest's own CMake already provides the GTest::gtest and GTest::gtest_main aliases.
