#include "path_queries.h"

#include <string_view>

#include "base_path.h"
#include "copy_out.h"

namespace voxpaths {
namespace {

constexpr std::string_view kDataDir = "\\dict";
constexpr std::string_view kUnitDir = "\\unit\\";
constexpr std::string_view kMaleUnit = "WFCM1000";
constexpr std::string_view kFemaleUnit = "WFCF1000";

constexpr int32_t kSizeFirst = 22;
constexpr int32_t kSizeSecond = 1;

}  // namespace

int32_t get_data_dir(char* buffer, uint32_t length) noexcept {
  const std::string_view parts[] = {base_path(), kDataDir};
  return copy_out(parts, 2, buffer, length);
}

int32_t get_out_dir(char* buffer, uint32_t length) noexcept {
  const std::string_view parts[] = {base_path()};
  return copy_out(parts, 1, buffer, length);
}

int32_t get_unit_dir(char* buffer, uint32_t length, int32_t kind) noexcept {
  std::string_view unit;
  switch (kind) {
    case kUnitMale:
      unit = kMaleUnit;
      break;
    case kUnitFemale:
      unit = kFemaleUnit;
      break;
    default:
      return 1;
  }
  const std::string_view parts[] = {base_path(), kUnitDir, unit};
  return copy_out(parts, 3, buffer, length);
}

int32_t get_size(int32_t* first, int32_t* second) noexcept {
  if (first != nullptr) *first = kSizeFirst;
  if (second != nullptr) *second = kSizeSecond;
  return 0;
}

void set_path(const char* path) noexcept { set_base_path(path); }

}  // namespace voxpaths
