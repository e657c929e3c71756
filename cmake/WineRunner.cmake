# vox_wine_runner(<name> <prefix dir>): writes ${CMAKE_BINARY_DIR}/<name>.sh, the build's Wine
# runner (cmake/wine-run.sh.in) bound to a prefix of its own. The tests of the DLLs share one
# prefix; the demo, the benchmark and the tools' tests write HKCU settings, and prefixes of their
# own keep those writes away from the other Wine tests, which run at the same time.
#
# vox_wine_prefix_fixture(<name> <fixture>): CTest tests <prefix>.start and <prefix>.stop that
# create the runner's prefix before the tests requiring <fixture> and end its wineserver after.
find_program(WINE_PROGRAM wine REQUIRED)
find_program(WINESERVER_PROGRAM wineserver PATHS /usr/lib/wine /usr/lib/i386-linux-gnu/wine REQUIRED)

function(vox_wine_runner name prefix_dir)
  set(VOX_WINEPREFIX ${prefix_dir})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/${name}.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()

function(vox_wine_prefix_fixture name test_prefix fixture)
  add_test(NAME ${test_prefix}.start COMMAND ${CMAKE_BINARY_DIR}/${name}.sh --start)
  add_test(NAME ${test_prefix}.stop COMMAND ${CMAKE_BINARY_DIR}/${name}.sh --stop)
  set_tests_properties(${test_prefix}.start PROPERTIES FIXTURES_SETUP ${fixture})
  set_tests_properties(${test_prefix}.stop PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()
