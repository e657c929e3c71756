#include "front_client.h"

namespace demo {
namespace {

bool set_dword(HKEY key, const char* name, uint32_t value) {
  const DWORD data = value;
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

// GetProcAddress's FARPROC as the entry point's real type; through void* because the two
// function types differ by design.
template <typename Function>
Function entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

std::string own_directory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  const size_t slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

bool load_front(const std::string& dir, FrontClient& front, std::string& error) {
  const std::string path = (dir.empty() ? own_directory() : dir) + "\\voxgate.dll";
  front.module = LoadLibraryA(path.c_str());
  if (front.module == nullptr) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) +
            "); it needs its engine " VOXGATE_ENGINE_FILE " in the same directory";
    return false;
  }
  front.speak = entry<voxgate_speak_fn>(front.module, "spcSynSpeak");
  front.set_boost = entry<voxgate_set_factor_fn>(front.module, "setboost");
  front.set_volume = entry<voxgate_set_factor_fn>(front.module, "setvolume");
  if (front.speak == nullptr || front.set_boost == nullptr || front.set_volume == nullptr) {
    error = path + " lacks spcSynSpeak, setboost or setvolume";
    return false;
  }
  return true;
}

bool write_registry_settings(uint32_t speed_percent, uint32_t volume_percent, std::string& error) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    error = "cannot create HKCU\\" VOXGATE_SETTINGS_KEY;
    return false;
  }
  const bool ok = set_dword(key, VOXGATE_SPEED_VALUE, speed_percent) &&
                  set_dword(key, VOXGATE_VOLUME_VALUE, volume_percent);
  RegCloseKey(key);
  if (!ok) error = "cannot write the speed and volume values under HKCU\\" VOXGATE_SETTINGS_KEY;
  return ok;
}

}  // namespace demo
