#include "engine_path.h"

#include <cstring>

#include "voxgate.h"

namespace voxgate {

bool build_engine_path(const char* module_path, uint32_t returned, char* out) noexcept {
  out[0] = '\0';
  if (module_path == nullptr || returned == 0 || returned >= kModulePathSize) return false;

  uint32_t dir_length = 0;  // up to and including the last backslash
  for (uint32_t i = 0; i < returned && module_path[i] != '\0'; ++i)
    if (module_path[i] == '\\') dir_length = i + 1;
  if (dir_length == 0 || dir_length > kMaxEngineDirLength) return false;

  constexpr char kName[] = VOXGATE_ENGINE_FILE;
  std::memcpy(out, module_path, dir_length);
  std::memcpy(out + dir_length, kName, sizeof kName);  // with its terminator
  return true;
}

}  // namespace voxgate
