#include "copy_out.h"

#include <cstring>

namespace voxpaths {

CopyResult copy_out(const std::string_view* parts, std::size_t part_count, char* buffer,
                    uint32_t length) {
  if (length == 0) return kCopied;
  if (buffer == nullptr) return kCut;

  // Room for characters: everything but the one byte that must stay for a terminator.
  const std::size_t room = length - 1u;
  std::size_t written = 0;
  bool cut = false;
  for (std::size_t i = 0; i < part_count; ++i) {
    const std::string_view part = parts[i];
    const std::size_t take = part.size() <= room - written ? part.size() : room - written;
    if (take != 0) std::memcpy(buffer + written, part.data(), take);
    written += take;
    if (take < part.size()) {
      cut = true;
      break;
    }
  }
  std::memset(buffer + written, 0, length - written);
  return cut ? kCut : kCopied;
}

}  // namespace voxpaths
