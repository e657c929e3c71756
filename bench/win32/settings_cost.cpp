#include "settings_cost.h"

#include "bench_clock.h"
#include "playback_settings.h"
#include "registry_store.h"

namespace bench {

double registry_read_microseconds(uint32_t reads) {
  voxgate::reset_playback_settings();
  voxgate::use_settings_store(&voxgate::registry_store());
  float sum = 0.0f;
  const double start = now_seconds();
  for (uint32_t i = 0; i < reads; ++i) sum += voxgate::getvolume();
  const double seconds = now_seconds() - start;
  volatile float keep = sum;
  (void)keep;
  return seconds * 1e6 / reads;
}

}  // namespace bench
