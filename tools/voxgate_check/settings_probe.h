// The speed and volume factors that the settings key gives right now, read by the front's own
// settings code on the registry store, and what each value holds, for the report.
#pragma once

#include <string>

namespace voxgate_check {

struct SettingReport {
  float factor = 1.0f;  // what the front would use
  std::string stored;   // "REG_DWORD 150", "missing", "6 bytes, longer than 4", ...
};

struct SettingsReport {
  bool key_present = false;
  SettingReport speed;
  SettingReport volume;
};

SettingsReport probe_settings();

}  // namespace voxgate_check
