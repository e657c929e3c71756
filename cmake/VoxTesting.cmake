# vox_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...] [PROPERTIES ...] [NO_SANITIZE])
# Natively each GoogleTest case becomes a CTest test. In the PE build the executable runs under
# 32-bit Wine in the build's own prefix, as one CTest test; the prefix's wineserver is ended by a
# cleanup fixture when the tests end. NO_SANITIZE leaves a test out of the sanitizer build: one
# that interposes malloc (an allocation counter) cannot share the allocator with ASan.
include(GoogleTest)

if(WIN32)
  find_program(WINE_PROGRAM wine REQUIRED)
  find_program(WINESERVER_PROGRAM wineserver PATHS /usr/lib/wine /usr/lib/i386-linux-gnu/wine REQUIRED)
  set(VOX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

  add_test(NAME wine.prefix.start COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --start)
  add_test(NAME wine.prefix.stop COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --stop)
  set_tests_properties(wine.prefix.start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine.prefix.stop PROPERTIES FIXTURES_CLEANUP wine)
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
