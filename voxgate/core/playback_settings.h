// Playback settings: the speed factor (read once per speak request) and the volume factor (read
// once per chunk), single-precision floats where 1.0 means unchanged.
//
// Registry mode (from load): every read opens the settings store, reads "speed" or "volume" as a
// 32-bit little-endian percentage, closes the store again and returns percent / 100. Nothing is
// cached and no key is held between reads, so a changed value counts from the next read. Every
// failure, and the value 0, gives 1.0.
// Memory mode: the first set_boost() or set_volume() switches to it for good; both reads then
// return the in-memory factors (1.0 for one that was never set) and the store is never opened.
#pragma once

#include "settings_store.h"

namespace voxgate {

// The store that registry mode reads; null reads as a missing key. Set at process attach.
void use_settings_store(const SettingsStore* store) noexcept;

float getboost() noexcept;   // speed factor, exactly as stored or read (no range check)
float getvolume() noexcept;  // volume factor

void set_boost(float speed) noexcept;    // setboost export
void set_volume(float volume) noexcept;  // setvolume export

// Back to the state at load: registry mode, both in-memory factors 1.0.
void reset_playback_settings() noexcept;

// Percent as stored (4 little-endian bytes) to a factor: 0 counts as 100.
float factor_from_percent(uint32_t percent) noexcept;

}  // namespace voxgate
