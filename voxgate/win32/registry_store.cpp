#include "registry_store.h"

#include <windows.h>

#include "voxgate.h"

namespace voxgate {
namespace {

bool open(SettingsKey* key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  *key = handle;
  return true;
}

bool read(SettingsKey key, const char* name, uint8_t* data, uint32_t* size) {
  DWORD length = *size;
  const LONG status =
      RegQueryValueExA(static_cast<HKEY>(key), name, nullptr, nullptr, data, &length);
  *size = length;
  return status == ERROR_SUCCESS;
}

void close(SettingsKey key) { RegCloseKey(static_cast<HKEY>(key)); }

constexpr SettingsStore kRegistryStore = {open, read, close};

}  // namespace

const SettingsStore& registry_store() noexcept { return kRegistryStore; }

}  // namespace voxgate
