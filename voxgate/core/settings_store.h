// The per-user settings store that the playback settings read: on Windows the registry key
// HKEY_CURRENT_USER\Software\Dunmere\Merivox, in native tests a fake. Three operations, no state
// of their own; the settings logic opens, reads one value and closes on every read.
#pragma once

#include <cstdint>

namespace voxgate {

using SettingsKey = void*;

struct SettingsStore {
  // Opens the settings key for reading; false when it is missing or cannot be opened.
  bool (*open)(SettingsKey* key);
  // Reads value `name` into `data`, which holds *size (4) bytes and is preset by the caller.
  // False for a missing value or data longer than *size. The value's type is not asked for.
  bool (*read)(SettingsKey key, const char* name, uint8_t* data, uint32_t* size);
  // Closes a key that open() gave.
  void (*close)(SettingsKey key);
};

}  // namespace voxgate
