// The cost of one settings read as the front does it in registry mode (open the key, read one
// value, close it), timed with the front's own settings code on the registry store.
#pragma once

#include <cstdint>

namespace bench {

// Microseconds per getvolume() in registry mode, over `reads` reads.
double registry_read_microseconds(uint32_t reads);

}  // namespace bench
