// stage_alloc_bench: allocations per chunk of the native tempo and volume stage in steady state.
// A fake engine plays a minute of a synthetic voice-like signal in 1024-sample chunks through
// speak(); the first request warms the stream up, the second is counted. Prints a Markdown table;
// checks nothing.
#include <sonic.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "malloc_counter.h"
#include "playback_settings.h"
#include "tempo_stage.h"

namespace {

constexpr uint32_t kChunk = 1024;
constexpr size_t kSamples = size_t{60} * 22050;
const float kSpeeds[] = {0.5f, 1.0f, 1.5f, 2.0f, 3.0f};

std::vector<int16_t> g_input;
int16_t g_chunk[kChunk];
uint64_t g_chunks = 0;

// The native stand-in for the demo engine: the request's arguments are ignored (a 64-bit pointer
// does not fit them), the input comes from g_input.
int32_t engine_speak(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                     voxgate_audio_callback callback) {
  for (size_t done = 0; done < g_input.size(); done += kChunk) {
    const size_t n = std::min<size_t>(kChunk, g_input.size() - done);
    for (size_t i = 0; i < n; ++i) g_chunk[i] = g_input[done + i];
    callback(g_chunk, static_cast<int32_t>(n * 2));
    ++g_chunks;
  }
  return 0;
}

int32_t sink(int16_t*, int32_t) { return 1; }

}  // namespace

int main() {
  // A 140 Hz buzz with a slow loudness swing: voiced, pitched, with quiet stretches.
  g_input.resize(kSamples);
  for (size_t i = 0; i < kSamples; ++i) {
    const double t = static_cast<double>(i) / 22050.0;
    g_input[i] = static_cast<int16_t>(9000.0 * std::sin(2 * M_PI * 140 * t) *
                                      (0.55 + 0.45 * std::sin(2 * M_PI * 0.7 * t)));
  }
  // The counter sees libsonic's allocations too: creating the stream makes some.
  const uint64_t before_create = vox_test::allocation_count();
  sonicStream stream = sonicCreateStream(22050, 1);
  const uint64_t create_allocations = vox_test::allocation_count() - before_create;
  voxgate::bind_stage(stream, engine_speak);

  std::printf("### Allocations per chunk, native stage (steady state)\n\n");
  std::printf(
      "| speed | warm-up request: allocations | counted request: chunks | allocations | per chunk "
      "|\n");
  std::printf("|---|---:|---:|---:|---:|\n");
  for (float speed : kSpeeds) {
    voxgate::set_boost(speed);
    voxgate::set_volume(0.8f);
    const uint64_t at_start = vox_test::allocation_count();
    voxgate::speak(0, 0, 0, 0, 0, sink);
    const uint64_t warm_up = vox_test::allocation_count() - at_start;
    g_chunks = 0;
    const uint64_t before = vox_test::allocation_count();
    voxgate::speak(0, 0, 0, 0, 0, sink);
    const uint64_t counted = vox_test::allocation_count() - before;
    std::printf("| %.1f | %llu | %llu | %llu | %.4f |\n", static_cast<double>(speed),
                static_cast<unsigned long long>(warm_up), static_cast<unsigned long long>(g_chunks),
                static_cast<unsigned long long>(counted),
                static_cast<double>(counted) / static_cast<double>(g_chunks));
  }
  std::printf(
      "\nVolume 0.8 (memory mode, set_boost/set_volume); goal: 0 allocations per chunk. Counter "
      "check: sonicCreateStream made %llu allocations, seen by the same counter.\n\n",
      static_cast<unsigned long long>(create_allocations));
  voxgate::unbind_stage();
  sonicDestroyStream(stream);
  return 0;
}
