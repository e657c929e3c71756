// The demo host's command line, parsed without Windows so that its errors are unit-tested
// natively:
//
//   demo_host --in FILE.wav --out FILE.wav [--speed PERCENT] [--volume PERCENT] [--setters]
//             [--front DIR]
//
// Speed and volume are whole percentages (100 = unchanged), as a user stores them in the
// registry. --setters hands them to the front through setboost/setvolume instead of the
// registry. --front names the directory holding voxgate.dll (default: the host's own).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

constexpr uint32_t kMinSpeedPercent = 10;  // the front clamps speed to [0.1, 10]
constexpr uint32_t kMaxSpeedPercent = 1000;
constexpr uint32_t kMinVolumePercent = 1;  // a stored 0 reads as 100, so 0 cannot mean silence
constexpr uint32_t kMaxVolumePercent = 1000;

struct HostOptions {
  std::string input;
  std::string output;
  std::string front_dir;  // empty: the host's own directory
  uint32_t speed_percent = 100;
  uint32_t volume_percent = 100;
  bool use_setters = false;
  bool help = false;
};

extern const char kHostUsage[];

// Parses the arguments after the program name. False, with `error` saying which argument is
// wrong and why, on an unknown option, a missing value, a percentage that is not a whole number
// in range, or a missing --in or --out (unless --help was given).
bool parse_host_options(const std::vector<std::string>& args, HostOptions& options,
                        std::string& error);

// A whole number of percent in [min, max]: digits only, no sign, no fraction.
bool parse_percent(const std::string& text, uint32_t min, uint32_t max, uint32_t& percent);

}  // namespace demo
