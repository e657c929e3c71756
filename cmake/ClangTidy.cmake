# static.clang_tidy: clang-tidy (checks in the root .clang-tidy, every finding an error) over the
# project's own sources that this tree compiles, through its compile_commands.json. Sonic and
# GoogleTest are not ours; win32/ sources only build with MinGW and so are not in this database.
find_program(VOX_RUN_CLANG_TIDY NAMES run-clang-tidy-14 run-clang-tidy)
find_program(VOX_CLANG_TIDY_BINARY NAMES clang-tidy-14 clang-tidy)
if(NOT VOX_RUN_CLANG_TIDY OR NOT VOX_CLANG_TIDY_BINARY)
  message(FATAL_ERROR "VOX_CLANG_TIDY is on but clang-tidy is missing (scripts/setup.sh installs it)")
endif()

# Sources of every target defined in the given directory and below, as absolute paths.
function(vox_collect_target_sources dir out)
  set(found)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(source MATCHES "^\\$<")
        continue()
      endif()
      get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
      list(APPEND found ${source})
    endforeach()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    vox_collect_target_sources(${subdir} sub_found)
    list(APPEND found ${sub_found})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE VOX_TIDY_CANDIDATES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/voxgate/*.cpp ${PROJECT_SOURCE_DIR}/voxpaths/*.cpp
  ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.cpp
  ${PROJECT_SOURCE_DIR}/demo/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
vox_collect_target_sources(${PROJECT_SOURCE_DIR} VOX_COMPILED_SOURCES)

# run-clang-tidy takes regular expressions: one anchored, escaped pattern per file.
set(VOX_TIDY_PATTERNS)
foreach(source IN LISTS VOX_TIDY_CANDIDATES)
  if(source IN_LIST VOX_COMPILED_SOURCES)
    string(REGEX REPLACE "([][.*+?^$(){}|\\\\])" "\\\\\\1" pattern "${source}")
    list(APPEND VOX_TIDY_PATTERNS "^${pattern}$")
  endif()
endforeach()
if(NOT VOX_TIDY_PATTERNS)
  message(FATAL_ERROR "clang-tidy: no native sources of the project found")
endif()

add_test(NAME static.clang_tidy
  COMMAND ${VOX_RUN_CLANG_TIDY} -clang-tidy-binary ${VOX_CLANG_TIDY_BINARY} -p ${CMAKE_BINARY_DIR}
    -j 2 -quiet ${VOX_TIDY_PATTERNS}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
# Two clang-tidy processes at a time: CTest counts them against its -j.
set_tests_properties(static.clang_tidy PROPERTIES LABELS native PROCESSORS 2 TIMEOUT 300)
