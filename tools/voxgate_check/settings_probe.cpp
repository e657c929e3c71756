#include "settings_probe.h"

#include <windows.h>

#include "playback_settings.h"
#include "registry_store.h"
#include "voxgate.h"

namespace voxgate_check {
namespace {

std::string describe_value(HKEY key, const char* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return "missing";
  if (size > 4) return std::to_string(size) + " bytes, longer than 4";
  if (type == REG_DWORD && size == 4) {
    DWORD value = 0;
    DWORD value_size = sizeof value;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &value_size);
    return "REG_DWORD " + std::to_string(value) + (value == 0 ? " (0 counts as 100)" : "");
  }
  return "type " + std::to_string(type) + ", " + std::to_string(size) + " bytes";
}

}  // namespace

SettingsReport probe_settings() {
  SettingsReport report;
  voxgate::reset_playback_settings();
  voxgate::use_settings_store(&voxgate::registry_store());
  report.speed.factor = voxgate::getboost();
  report.volume.factor = voxgate::getvolume();

  HKEY key = nullptr;
  report.key_present =
      RegOpenKeyExA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (!report.key_present) {
    report.speed.stored = report.volume.stored = "key missing";
    return report;
  }
  report.speed.stored = describe_value(key, VOXGATE_SPEED_VALUE);
  report.volume.stored = describe_value(key, VOXGATE_VOLUME_VALUE);
  RegCloseKey(key);
  return report;
}

}  // namespace voxgate_check
