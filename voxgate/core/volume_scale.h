// Volume scaling of PCM samples in place.
#pragma once

#include <cstdint>

namespace voxgate {

// Each sample becomes trunc(float(sample) * volume), clamped to the 16-bit range; a NaN product
// stores 0. Clamping keeps loud samples at full scale where wrapping would turn them into noise.
void scale_samples(int16_t* samples, int32_t count, float volume) noexcept;

}  // namespace voxgate
