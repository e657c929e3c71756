# Instrumented native builds of the project's code.
#   VOX_SANITIZE       AddressSanitizer (with LeakSanitizer) and UBSan; any finding ends the run.
#   VOX_BUILD_FUZZERS  the same, plus libFuzzer coverage hooks (clang only); the fuzz targets
#                      themselves link -fsanitize=fuzzer (see fuzz/CMakeLists.txt).
# Sonic stays Debian's uninstrumented libsonic: ASan still checks every buffer we hand it, since
# the buffers are ours, and catches its heap misuse through the intercepted allocator.
option(VOX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VOX_BUILD_FUZZERS "Build the libFuzzer targets (needs clang)" OFF)

set(VOX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(VOX_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VOX_BUILD_FUZZERS needs clang (the fuzz preset sets clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link ${VOX_SANITIZER_FLAGS})
  add_link_options(${VOX_SANITIZER_FLAGS})
elseif(VOX_SANITIZE)
  add_compile_options(${VOX_SANITIZER_FLAGS})
  add_link_options(${VOX_SANITIZER_FLAGS})
endif()

# The runtime options every instrumented program starts with (tests/sanitize/sanitizer_options.cpp).
if(VOX_SANITIZE OR VOX_BUILD_FUZZERS)
  add_library(vox_sanitizer_options OBJECT ${PROJECT_SOURCE_DIR}/tests/sanitize/sanitizer_options.cpp)
endif()
