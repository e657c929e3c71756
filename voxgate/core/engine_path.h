// Where the engine module must lie: "voxgate2.dll" in the directory of the front's own file.
#pragma once

#include <cstdint>

namespace voxgate {

constexpr uint32_t kModulePathSize = 260;      // the buffer handed to GetModuleFileNameA
constexpr uint32_t kEnginePathSize = 261;      // 260 characters and a terminator
constexpr uint32_t kMaxEngineDirLength = 248;  // directory part (with its backslash) that still
                                               // takes the whole 12-character engine name

// Builds the engine path from the front's module path as GetModuleFileNameA filled it
// (`returned` is its result). Refuses, leaving `out` empty, when the path could not be fetched
// (0) or was cut (it filled the whole buffer), holds no backslash, or has a directory part too
// long for the whole engine name: a cut name could load some other file.
bool build_engine_path(const char* module_path, uint32_t returned, char* out) noexcept;

}  // namespace voxgate
