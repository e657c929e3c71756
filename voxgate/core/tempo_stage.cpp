#include "tempo_stage.h"

#include <sonic.h>

#include <cmath>

#include "playback_settings.h"
#include "volume_scale.h"

namespace voxgate {
namespace {

sonicStream g_stream = nullptr;
EngineSpeak g_engine_speak = nullptr;
AudioCallback g_app_callback = nullptr;
int16_t g_transfer[kTransferSamples];

// Reads the stream empty, delivering each read; returns the last delivery's result, else 1.
int32_t drain() noexcept {
  int32_t result = 1;
  for (;;) {
    const int got = sonicReadShortFromStream(g_stream, g_transfer, kTransferSamples);
    if (got <= 0) return result;
    const AudioCallback app = g_app_callback;
    result = app != nullptr ? app(g_transfer, got * 2) : 1;
  }
}

}  // namespace

float safe_speed(float speed) noexcept {
  if (!std::isfinite(speed) || speed <= 0.0f) return 1.0f;
  if (speed < kMinSpeed) return kMinSpeed;
  if (speed > kMaxSpeed) return kMaxSpeed;
  return speed;
}

void bind_stage(sonicStreamStruct* stream, EngineSpeak engine_speak) noexcept {
  g_stream = stream;
  g_engine_speak = engine_speak;
  g_app_callback = nullptr;
}

void unbind_stage() noexcept { bind_stage(nullptr, nullptr); }

int32_t speak(uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4, uint32_t a5,
              AudioCallback app_callback) noexcept {
  if (g_engine_speak == nullptr || g_stream == nullptr) return VOXGATE_SPEAK_UNAVAILABLE;

  g_app_callback = app_callback;
  sonicSetSpeed(g_stream, safe_speed(getboost()));
  const int32_t result = g_engine_speak(a1, a2, a3, a4, a5, chunk_callback);

  sonicFlushStream(g_stream);
  drain();  // the request's tail; the host's answer to it has no one to go to
  return result;
}

int32_t VOXGATE_STDCALL chunk_callback(int16_t* samples, int32_t bytes) noexcept {
  if (g_stream == nullptr) return 1;  // called outside a bound front: nothing to feed
  const float volume = getvolume();
  const int32_t count = bytes > 0 ? bytes / 2 : 0;  // an odd last byte belongs to no sample
  if (count > 0) scale_samples(samples, count, volume);
  sonicWriteShortToStream(g_stream, samples, count);
  return drain();
}

}  // namespace voxgate
