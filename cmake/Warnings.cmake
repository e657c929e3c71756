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

# The DLLs' own code throws nothing and needs no RTTI. Without them the DLLs also leave out the
# C++ exception runtime, which would link a thread library whose handles outlive each unload.
add_library(vox_no_exceptions INTERFACE)
target_compile_options(vox_no_exceptions INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
