#include "malloc_counter.h"

#include <atomic>
#include <cstddef>

// glibc's own allocator entries, which the counting malloc family forwards to.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

namespace {
std::atomic<uint64_t> g_allocations{0};
void count() { g_allocations.fetch_add(1, std::memory_order_relaxed); }
}  // namespace

extern "C" {

void* malloc(size_t size) {
  count();
  return __libc_malloc(size);
}

void* calloc(size_t count_, size_t size) {
  count();
  return __libc_calloc(count_, size);
}

void* realloc(void* block, size_t size) {
  count();
  return __libc_realloc(block, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
  count();
  return __libc_memalign(alignment, size);
}

void* memalign(size_t alignment, size_t size) {
  count();
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
  count();
  *out = __libc_memalign(alignment, size);
  return *out != nullptr ? 0 : 12;  // ENOMEM
}

void free(void* block) { __libc_free(block); }

}  // extern "C"

namespace vox_test {
uint64_t allocation_count() { return g_allocations.load(std::memory_order_relaxed); }
}  // namespace vox_test
