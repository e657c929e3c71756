// Nanoseconds per call of a no-argument cdecl entry point, called in a tight loop through a
// pointer the compiler cannot see through.
#pragma once

#include <cstdint>

namespace bench {

using IdleEntry = int32_t (*)();

double ns_per_call(IdleEntry entry, uint32_t calls);

}  // namespace bench
