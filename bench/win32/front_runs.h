// Timed speak requests through the real voxgate.dll and the demo engine.
#pragma once

#include <cstddef>
#include <cstdint>

#include "front_client.h"

namespace bench {

// One spcSynSpeak of `count` samples in chunks of `chunk_samples`; returns the seconds it took.
// Speed and volume are whatever the front's settings give (registry or memory mode).
double run_front(const demo::FrontClient& front, const int16_t* samples, size_t count,
                 uint32_t chunk_samples);

}  // namespace bench
