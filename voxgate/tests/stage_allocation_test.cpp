// The per-chunk path allocates nothing: every malloc in this program is counted while a warmed-up
// stream processes chunks, with real Sonic underneath. Kept out of sanitizer builds, whose own
// allocator this counter would replace.
#include <gtest/gtest.h>

#include <cstdlib>

#include "malloc_counter.h"
#include "speech_sample.h"
#include "stage_harness.h"

namespace {

using namespace stage_test;

// Chunks straight to the chunk callback, as the engine would call it, with a no-op host.
int32_t VOXGATE_STDCALL quiet_host(int16_t*, int32_t) { return 0; }

TEST(StageAllocation, SteadyStateChunksAllocateNothing) {
  // The counter must see allocations at all, or a zero below proves nothing.
  const uint64_t before_probe = vox_test::allocation_count();
  static void* volatile probe;  // volatile: the compiler may not drop the malloc/free pair
  probe = std::malloc(16);
  const uint64_t probed = vox_test::allocation_count() - before_probe;
  std::free(probe);
  ASSERT_EQ(probed, 1u) << "malloc is not being counted";

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
    const uint64_t before = vox_test::allocation_count();
    for (int i = 0; i < 200; ++i) voxgate::chunk_callback(chunk.data(), 2048);
    EXPECT_EQ(vox_test::allocation_count() - before, 0u)
        << "allocations in 200 chunks at speed " << speed;
  }
}

}  // namespace
