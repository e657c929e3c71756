#include "call_cost.h"

#include "bench_clock.h"

namespace bench {

double ns_per_call(IdleEntry entry, uint32_t calls) {
  IdleEntry volatile target = entry;  // reloaded every call: no inlining, no hoisting
  int32_t sum = 0;
  const double start = now_seconds();
  for (uint32_t i = 0; i < calls; ++i) sum += target();
  const double seconds = now_seconds() - start;
  volatile int32_t keep = sum;
  (void)keep;
  return seconds * 1e9 / calls;
}

}  // namespace bench
