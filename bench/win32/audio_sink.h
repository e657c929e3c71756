// The host side of a timed run: an audio callback that only counts what it is given, so the
// timings measure the stage and not the host, and the delivery limits it checks on the way.
#pragma once

#include <cstdint>

namespace bench {

struct SinkTotals {
  uint64_t bytes = 0;
  uint64_t deliveries = 0;
  int32_t largest = 0;
  uint64_t odd = 0;
  int64_t checksum = 0;  // keeps the deliveries observable
};

extern SinkTotals g_sink;

int32_t __stdcall count_audio(int16_t* samples, int32_t bytes);

inline void reset_sink() { g_sink = SinkTotals{}; }

}  // namespace bench
