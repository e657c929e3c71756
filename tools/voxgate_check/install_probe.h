// What the deployment check finds out about an installed front: its file and version, whether
// the Windows loader accepts it (its DllMain loads the engine, so this is the real test), where
// its engine module must lie and which of the twelve engine entry points that module exports.
#pragma once

#include <string>
#include <vector>

namespace voxgate_check {

struct FrontReport {
  std::string path;  // full path of voxgate.dll
  bool file_present = false;
  std::string version;  // FileVersion of its version resource, "" if it has none
  bool loads = false;
  unsigned long load_error = 0;  // GetLastError after a failed LoadLibrary
};

struct EngineReport {
  std::string path;  // directory of the front + "voxgate2.dll"; "" when no path can be built
  bool file_present = false;
  bool opened = false;         // the file could be mapped as a module to read its exports
  std::vector<bool> exported;  // per name of voxgate::kEngineEntryNames
};

// `target` is voxgate.dll's path or its directory.
FrontReport probe_front(const std::string& target);
// Reads the engine's exports without running its code (DONT_RESOLVE_DLL_REFERENCES).
EngineReport probe_engine(const FrontReport& front);

}  // namespace voxgate_check
