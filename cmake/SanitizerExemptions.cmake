# Known findings in test code that this tree cannot mend itself, each exempted as narrowly as
# possible (one check, one file) until its owner fixes it; the product code has no exemptions.
#
# voxgate/tests/stage_harness.cpp, fake_engine_speak: memcpy(buffer, c.samples.data(), 0) for an
# empty chunk passes a null source (UB by the C library's contract, harmless in practice). The
# fix belongs in the harness: copy only when the chunk has samples.
set_source_files_properties(${PROJECT_SOURCE_DIR}/voxgate/tests/stage_harness.cpp
  DIRECTORY ${PROJECT_SOURCE_DIR}/voxgate/tests
  PROPERTIES COMPILE_OPTIONS -fno-sanitize=nonnull-attribute)
