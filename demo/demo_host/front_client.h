// The demo host's side of voxgate.dll: loading the front from a directory, and the two ways a
// user's speed and volume reach it (the settings key in the registry, or the setter exports).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "voxgate.h"

namespace demo {

struct FrontClient {
  HMODULE module = nullptr;
  voxgate_speak_fn speak = nullptr;
  voxgate_set_factor_fn set_boost = nullptr;
  voxgate_set_factor_fn set_volume = nullptr;
};

// Loads dir\voxgate.dll (which loads its engine, voxgate2.dll, beside it) and looks up
// spcSynSpeak, setboost and setvolume. False with `error` set when any of that fails.
bool load_front(const std::string& dir, FrontClient& front, std::string& error);

// Stores speed and volume as REG_DWORD percentages under HKCU\Software\Dunmere\Merivox, as a
// user's settings are stored; the front reads them on each request and chunk.
bool write_registry_settings(uint32_t speed_percent, uint32_t volume_percent, std::string& error);

// Directory of the running executable, without a trailing backslash.
std::string own_directory();

}  // namespace demo
