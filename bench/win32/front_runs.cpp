#include "front_runs.h"

#include "audio_sink.h"
#include "bench_clock.h"

namespace bench {

double run_front(const demo::FrontClient& front, const int16_t* samples, size_t count,
                 uint32_t chunk_samples) {
  const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(samples));
  const double start = now_seconds();
  front.speak(address, static_cast<uint32_t>(count), chunk_samples, 0, 0, count_audio);
  return now_seconds() - start;
}

}  // namespace bench
