#include "host_options.h"

namespace demo {

const char kHostUsage[] =
    "usage: demo_host --in FILE.wav --out FILE.wav [--speed PERCENT] [--volume PERCENT]\n"
    "                 [--setters] [--front DIR]\n"
    "  --in FILE.wav     speech to play through voxgate.dll: 16-bit PCM mono at 22050 Hz\n"
    "  --out FILE.wav    where the host's audio callback output is written\n"
    "  --speed PERCENT   speech rate, 10 to 1000 (default 100)\n"
    "  --volume PERCENT  loudness, 1 to 1000 (default 100)\n"
    "  --setters         hand speed and volume to setboost/setvolume instead of writing them to\n"
    "                    HKCU\\Software\\Dunmere\\Merivox\n"
    "  --front DIR       directory of voxgate.dll and its engine voxgate2.dll (default: the\n"
    "                    host's own)\n";

bool parse_percent(const std::string& text, uint32_t min, uint32_t max, uint32_t& percent) {
  if (text.empty() || text.size() > 9) return false;
  uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint32_t>(c - '0');
  }
  if (value < min || value > max) return false;
  percent = value;
  return true;
}

bool parse_host_options(const std::vector<std::string>& args, HostOptions& options,
                        std::string& error) {
  options = HostOptions{};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return true;
    }
    if (arg == "--setters") {
      options.use_setters = true;
      continue;
    }
    const bool takes_value = arg == "--in" || arg == "--out" || arg == "--speed" ||
                             arg == "--volume" || arg == "--front";
    if (!takes_value) {
      error = "unknown argument '" + arg + "'";
      return false;
    }
    if (i + 1 >= args.size()) {
      error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--in") {
      options.input = value;
    } else if (arg == "--out") {
      options.output = value;
    } else if (arg == "--front") {
      options.front_dir = value;
    } else if (arg == "--speed") {
      if (!parse_percent(value, kMinSpeedPercent, kMaxSpeedPercent, options.speed_percent)) {
        error = "--speed must be a whole number of percent from " +
                std::to_string(kMinSpeedPercent) + " to " + std::to_string(kMaxSpeedPercent) +
                ", got '" + value + "'";
        return false;
      }
    } else if (!parse_percent(value, kMinVolumePercent, kMaxVolumePercent,
                              options.volume_percent)) {
      error = "--volume must be a whole number of percent from " +
              std::to_string(kMinVolumePercent) + " to " + std::to_string(kMaxVolumePercent) +
              ", got '" + value + "'";
      return false;
    }
  }
  if (options.input.empty() || options.output.empty()) {
    error = options.input.empty() ? "--in FILE.wav is required" : "--out FILE.wav is required";
    return false;
  }
  return true;
}

}  // namespace demo
