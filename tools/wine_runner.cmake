# vox_wine_runner(<name> <prefix dir>): writes ${CMAKE_BINARY_DIR}/<name>.sh, the build's Wine
# runner (cmake/wine-run.sh.in) bound to a prefix of its own. The demo, the benchmark and the
# tools' tests write HKCU settings; their own prefixes keep those writes away from the other
# Wine tests, which run at the same time.
function(vox_wine_runner name prefix_dir)
  find_program(WINE_PROGRAM wine REQUIRED)
  find_program(WINESERVER_PROGRAM wineserver PATHS /usr/lib/wine /usr/lib/i386-linux-gnu/wine REQUIRED)
  set(VOX_WINEPREFIX ${prefix_dir})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/${name}.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()
