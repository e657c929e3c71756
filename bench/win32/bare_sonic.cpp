#include "bare_sonic.h"

#include <sonic.h>

#include <cstring>

#include "audio_sink.h"
#include "bench_clock.h"
#include "demo_engine.h"

namespace bench {
namespace {

constexpr int kTransferSamples = 11025;
int16_t g_chunk[kDemoMaxChunkSamples];
int16_t g_transfer[kTransferSamples];

void drain(sonicStream stream) {
  int got;
  while ((got = sonicReadShortFromStream(stream, g_transfer, kTransferSamples)) > 0)
    count_audio(g_transfer, got * 2);
}

}  // namespace

double run_bare_sonic(const int16_t* samples, size_t count, uint32_t chunk_samples, float speed) {
  sonicStream stream = sonicCreateStream(22050, 1);
  const double start = now_seconds();
  sonicSetSpeed(stream, speed);
  for (size_t done = 0; done < count;) {
    const size_t n = count - done < chunk_samples ? count - done : chunk_samples;
    std::memcpy(g_chunk, samples + done, n * sizeof(int16_t));
    sonicWriteShortToStream(stream, g_chunk, static_cast<int>(n));
    drain(stream);
    done += n;
  }
  sonicFlushStream(stream);
  drain(stream);
  const double seconds = now_seconds() - start;
  sonicDestroyStream(stream);
  return seconds;
}

}  // namespace bench
