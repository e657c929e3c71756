# Warning flags for the project's own targets (not for Sonic or GoogleTest sources).
add_library(vox_warnings INTERFACE)
target_compile_options(vox_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion>)
if(VOX_WERROR)
  target_compile_options(vox_warnings INTERFACE $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
endif()

# Tests: the same, less -Wconversion (they compare sizes with real-valued expectations throughout).
add_library(vox_test_warnings INTERFACE)
target_compile_options(vox_test_warnings INTERFACE $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wshadow>)
if(WIN32)
  # Tests call what GetProcAddress returns through the entry point's real type.
  target_compile_options(vox_test_warnings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
endif()
if(VOX_WERROR)
  target_compile_options(vox_test_warnings INTERFACE $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
endif()
