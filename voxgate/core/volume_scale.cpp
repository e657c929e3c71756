#include "volume_scale.h"

namespace voxgate {

void scale_samples(int16_t* samples, int32_t count, float volume) noexcept {
  if (volume == 1.0f) return;  // every product equals its sample
  for (int32_t i = 0; i < count; ++i) {
    const float product = static_cast<float>(samples[i]) * volume;
    int16_t stored;
    if (product >= 32767.0f) {
      stored = 32767;
    } else if (product <= -32768.0f) {
      stored = -32768;
    } else if (product == product) {
      stored = static_cast<int16_t>(product);  // truncation toward zero
    } else {
      stored = 0;  // NaN
    }
    samples[i] = stored;
  }
}

}  // namespace voxgate
