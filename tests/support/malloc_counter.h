// Counts the calls of the C allocation functions in this process, so a test or the benchmark can
// show how often code under test allocates. The counting versions of malloc, calloc, realloc and
// the aligned allocators replace glibc's for the whole process (libstdc++'s operator new and
// libsonic included) and hand on to glibc's own entry points (__libc_malloc and the rest).
#pragma once

#include <cstdint>

namespace vox_test {

uint64_t allocation_count();  // allocating calls so far (free is not counted)

}  // namespace vox_test
