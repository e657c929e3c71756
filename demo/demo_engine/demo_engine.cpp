// The demo engine (see demo_engine.h): chunked playback of host-supplied PCM and eleven idle
// entry points.
#include "demo_engine.h"

#include <cstring>

#include "voxgate.h"

namespace {

int16_t g_chunk[kDemoMaxChunkSamples];

int32_t idle() { return 0; }

}  // namespace

extern "C" {

int32_t __stdcall spcSynSpeak(const int16_t* samples, uint32_t count, uint32_t chunk_samples,
                              uint32_t, uint32_t, voxgate_audio_callback callback) {
  if (samples == nullptr || callback == nullptr) return 1;
  if (chunk_samples == 0) chunk_samples = kDemoChunkSamples;
  if (chunk_samples > kDemoMaxChunkSamples) chunk_samples = kDemoMaxChunkSamples;
  for (uint32_t done = 0; done < count;) {
    const uint32_t n = count - done < chunk_samples ? count - done : chunk_samples;
    std::memcpy(g_chunk, samples + done, n * sizeof(int16_t));
    callback(g_chunk, static_cast<int32_t>(n * sizeof(int16_t)));
    done += n;
  }
  return 0;
}

int32_t SynSpeak() { return idle(); }
int32_t spcSynCntl() { return idle(); }
int32_t spcSynFlush() { return idle(); }
int32_t spcSynInit() { return idle(); }
int32_t spcSynPause() { return idle(); }
int32_t spcSynReadStat() { return idle(); }
int32_t spcSynRepeat() { return idle(); }
int32_t spcSynResume() { return idle(); }
int32_t spcSynSelDev() { return idle(); }
int32_t spcSynSpeakEx() { return idle(); }
int32_t spcSynTerm() { return idle(); }

}  // extern "C"
