// The per-chunk path allocates nothing: every malloc in this program is counted while a warmed-up
// stream processes chunks, with real Sonic underneath. Kept out of sanitizer builds, whose own
// allocator this counter would replace.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "speech_sample.h"
#include "stage_harness.h"

// glibc's own allocator entries, which the counting malloc family forwards to.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
void count() {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1);
}
}  // namespace

extern "C" {
void* malloc(std::size_t n) {
  count();
  return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t size) {
  count();
  return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t n) {
  count();
  return __libc_realloc(p, n);
}
}

namespace {

using namespace stage_test;

// Chunks straight to the chunk callback, as the engine would call it, with a no-op host.
int32_t VOXGATE_STDCALL quiet_host(int16_t*, int32_t) { return 0; }

TEST(StageAllocation, SteadyStateChunksAllocateNothing) {
  // The counter must see allocations at all, or a zero below proves nothing.
  g_counting = true;
  void* probe = std::malloc(16);
  g_counting = false;
  std::free(probe);
  ASSERT_EQ(g_allocations.load(), 1) << "malloc is not being counted";

  const std::vector<int16_t> speech = vox_test::load_speech_sample();
  ASSERT_GT(speech.size(), 4096u);
  for (float speed : {1.0f, 0.5f, 1.5f, 3.0f}) {
    BoundStage stage;
    voxgate::set_boost(speed);
    voxgate::set_volume(0.8f);
    // Warm-up request: the stream grows its buffers to what this chunking needs.
    g_script = split(speech, 1024);
    voxgate::speak(0, 0, 0, 0, 0, quiet_host);

    std::vector<int16_t> chunk(speech.begin(), speech.begin() + 1024);
    sonicSetSpeed(stage.stream(), voxgate::safe_speed(speed));
    g_allocations = 0;
    g_counting = true;
    for (int i = 0; i < 200; ++i) voxgate::chunk_callback(chunk.data(), 2048);
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0) << "allocations in 200 chunks at speed " << speed;
  }
}

}  // namespace
