#include "playback_settings.h"

#include <atomic>

namespace voxgate {
namespace {

// Each item is read and written in one access; a setter stores its factor before it clears the
// flag, so a reader that sees memory mode also sees the factor.
std::atomic<const SettingsStore*> g_store{nullptr};
std::atomic<float> g_memory_speed{1.0f};
std::atomic<float> g_memory_volume{1.0f};
std::atomic<bool> g_use_registry{true};

constexpr uint32_t kDefaultPercent = 100;

float read_factor(const char* value_name) noexcept {
  const SettingsStore* store = g_store.load(std::memory_order_acquire);
  SettingsKey key = nullptr;
  if (store == nullptr || !store->open(&key)) return 1.0f;

  // Preset to 100: data shorter than 4 bytes lands in the low bytes, no data reads as 100.
  uint8_t data[4] = {kDefaultPercent, 0, 0, 0};
  uint32_t size = sizeof data;
  const bool ok = store->read(key, value_name, data, &size);
  store->close(key);
  if (!ok) return 1.0f;

  const uint32_t percent = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                           static_cast<uint32_t>(data[2]) << 16 |
                           static_cast<uint32_t>(data[3]) << 24;
  return factor_from_percent(percent);
}

}  // namespace

float factor_from_percent(uint32_t percent) noexcept {
  if (percent == 0) percent = kDefaultPercent;
  // In double precision, as an unsigned number: 4294967295 stays a large positive factor.
  return static_cast<float>(static_cast<double>(percent) / 100.0);
}

void use_settings_store(const SettingsStore* store) noexcept {
  g_store.store(store, std::memory_order_release);
}

float getboost() noexcept {
  if (!g_use_registry.load(std::memory_order_acquire))
    return g_memory_speed.load(std::memory_order_relaxed);
  return read_factor("speed");
}

float getvolume() noexcept {
  if (!g_use_registry.load(std::memory_order_acquire))
    return g_memory_volume.load(std::memory_order_relaxed);
  return read_factor("volume");
}

void set_boost(float speed) noexcept {
  g_memory_speed.store(speed, std::memory_order_relaxed);
  g_use_registry.store(false, std::memory_order_release);
}

void set_volume(float volume) noexcept {
  g_memory_volume.store(volume, std::memory_order_relaxed);
  g_use_registry.store(false, std::memory_order_release);
}

void reset_playback_settings() noexcept {
  g_memory_speed.store(1.0f);
  g_memory_volume.store(1.0f);
  g_use_registry.store(true);
}

}  // namespace voxgate
