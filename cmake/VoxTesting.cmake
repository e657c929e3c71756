# vox_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...] [PROPERTIES ...] [NO_SANITIZE])
# Natively each GoogleTest case becomes a CTest test. In the PE build the executable runs under
# 32-bit Wine in the build's own prefix, as one CTest test; the prefix's wineserver is ended by a
# cleanup fixture when the tests end. NO_SANITIZE leaves a test out of the sanitizer build: one
# that interposes malloc (an allocation counter) cannot share the allocator with ASan.
include(GoogleTest)

if(WIN32)
  include(WineRunner)
  vox_wine_runner(wine-run ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  vox_wine_prefix_fixture(wine-run wine.prefix wine)
endif()

function(vox_add_gtest name)
  cmake_parse_arguments(ARG "NO_SANITIZE" "" "SOURCES;LIBS;LABELS;PROPERTIES" ${ARGN})
  if(ARG_NO_SANITIZE AND VOX_SANITIZE)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main vox_test_warnings)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS "wine;${ARG_LABELS}" TIMEOUT 300 ${ARG_PROPERTIES})
  else()
    if(VOX_SANITIZE)
      target_link_libraries(${name} PRIVATE vox_sanitizer_options)
      # Named apart from the plain native tree's cases, which run in the same CTest run.
      gtest_discover_tests(${name} TEST_PREFIX "sanitize."
        PROPERTIES LABELS "sanitize;${ARG_LABELS}" ${ARG_PROPERTIES})
    else()
      gtest_discover_tests(${name} PROPERTIES LABELS "native;${ARG_LABELS}" ${ARG_PROPERTIES})
    endif()
  endif()
endfunction()
