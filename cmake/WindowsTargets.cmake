# Helpers for the PE32 deliverables.

# vox_windows_dll(<target> DEF <file.def> RC <file.rc.in>): a DLL named exactly <target>.dll,
# its names and ordinals from the .def file only, with a version resource.
function(vox_windows_dll target)
  cmake_parse_arguments(ARG "" "DEF;RC;DESCRIPTION" "" ${ARGN})
  set(VOX_FILE_NAME "${target}.dll")
  set(VOX_FILE_DESCRIPTION "${ARG_DESCRIPTION}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${ARG_DEF} ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
  # No lib prefix, no import library needed by anyone, no stdcall decoration in the export table.
  target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup -Wl,--no-insert-timestamp
    $<$<CONFIG:Release>:-s>)
  install(TARGETS ${target} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()
