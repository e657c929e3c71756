// The settings store on the registry: HKEY_CURRENT_USER\Software\Dunmere\Merivox, read only.
#pragma once

#include "../core/settings_store.h"

namespace voxgate {
const SettingsStore& registry_store() noexcept;
}
