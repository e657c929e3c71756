#include "audio_sink.h"

namespace bench {

SinkTotals g_sink;

int32_t __stdcall count_audio(int16_t* samples, int32_t bytes) {
  g_sink.bytes += static_cast<uint64_t>(bytes);
  ++g_sink.deliveries;
  if (bytes > g_sink.largest) g_sink.largest = bytes;
  if (bytes % 2 != 0) ++g_sink.odd;
  if (bytes >= 2) g_sink.checksum += samples[0];
  return 1;
}

}  // namespace bench
