// The baseline: Sonic driven directly in the same chunking the front sees (the engine's copy of
// each chunk, one write, a drain in 11025-sample reads), with no front in between.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bench {

// Plays `count` samples through a fresh stream at `speed`; returns the seconds it took.
double run_bare_sonic(const int16_t* samples, size_t count, uint32_t chunk_samples, float speed);

}  // namespace bench
