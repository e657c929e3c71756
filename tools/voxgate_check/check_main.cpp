// voxgate-check: run beside an installed voxgate.dll (or give its path or directory) to see
// whether the front loads, where its engine must be and what it exports, the speed and volume the
// settings give now, and the front's version. Exit code 0 when the front loads, 1 when it would
// not, 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine_binding.h"
#include "install_probe.h"
#include "settings_probe.h"
#include "voxgate.h"

namespace {

constexpr int kExitWouldNotLoad = 1;
constexpr int kExitUsage = 2;

std::string own_directory() {
  char path[260];
  const unsigned long n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path, n);
  const size_t slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

void print_setting(const char* name, const voxgate_check::SettingReport& setting) {
  std::printf("  %-7s %.2f  (%s)\n", name, static_cast<double>(setting.factor),
              setting.stored.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 ||
      (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h"))) {
    std::fprintf(stderr, "usage: voxgate-check [PATH-OF-voxgate.dll-OR-ITS-DIRECTORY]\n");
    return argc > 2 ? kExitUsage : 0;
  }
  const std::string target = argc == 2 ? argv[1] : own_directory();

  std::printf("voxgate-check %s\n", VOXTOOLS_VERSION);
  const voxgate_check::FrontReport front = voxgate_check::probe_front(target);
  std::printf("front:   %s\n", front.path.c_str());
  std::printf("  file:    %s\n", front.file_present ? "present" : "MISSING");
  if (front.file_present) {
    std::printf("  version: %s\n",
                front.version.empty() ? "(no version resource)" : front.version.c_str());
    if (front.loads)
      std::printf("  loads:   yes\n");
    else
      std::printf("  loads:   NO (error %lu)\n", front.load_error);
  }

  const voxgate_check::EngineReport engine = voxgate_check::probe_engine(front);
  std::printf("engine:  %s\n", engine.path.empty() ? "(no path: the front's path is unusable)"
                                                   : engine.path.c_str());
  size_t exported = 0;
  if (!engine.path.empty()) {
    std::printf("  file:    %s\n", engine.file_present ? "present" : "MISSING");
    if (engine.file_present && !engine.opened) std::printf("  (cannot be opened as a module)\n");
    if (engine.opened) {
      for (bool e : engine.exported) exported += e ? 1 : 0;
      std::printf("  entry points: %zu of %u exported\n", exported,
                  static_cast<unsigned>(voxgate::kSlotCount));
      for (uint32_t slot = 0; slot < voxgate::kSlotCount; ++slot)
        std::printf("    %-4s %s\n", engine.exported[slot] ? "yes" : "NO",
                    voxgate::kEngineEntryNames[slot]);
    }
  }

  const voxgate_check::SettingsReport settings = voxgate_check::probe_settings();
  std::printf("settings: HKCU\\%s%s\n", VOXGATE_SETTINGS_KEY,
              settings.key_present ? "" : " (missing: both factors are 1.00)");
  print_setting("speed:", settings.speed);
  print_setting("volume:", settings.volume);

  if (!front.loads) {
    const char* why = !front.file_present    ? "voxgate.dll is not there"
                      : !engine.file_present ? "its engine " VOXGATE_ENGINE_FILE " is missing"
                                             : "the loader refused it or its engine";
    std::printf("result:  NOT READY: the front would not load (%s)\n", why);
    return kExitWouldNotLoad;
  }
  if (exported < voxgate::kSlotCount) {
    std::printf(
        "result:  ready, but the engine lacks %zu entry point(s): calling them through the front "
        "raises exception 0x%08X%s\n",
        voxgate::kSlotCount - exported, VOXGATE_EXCEPTION_NO_ENGINE_ENTRY,
        engine.exported[voxgate::kSlotSpcSynSpeak] ? ""
                                                   : "; spcSynSpeak returns -1 without speaking");
    return 0;
  }
  std::printf("result:  ready\n");
  return 0;
}
