#include "base_path.h"

#include <cstdlib>
#include <cstring>

namespace voxpaths {
namespace {

// Plain pointers, constant-initialised: no constructor runs at load.
char* g_path = nullptr;
std::size_t g_length = 0;

}  // namespace

bool set_base_path(const char* path) noexcept {
  release_base_path();
  if (path == nullptr || path[0] == '\0') return true;

  const std::size_t length = std::strlen(path);
  char* copy = static_cast<char*>(std::malloc(length + 1));
  if (copy == nullptr) return false;  // stays empty: neither the old nor the new value
  std::memcpy(copy, path, length + 1);
  g_path = copy;
  g_length = length;
  return true;
}

std::string_view base_path() noexcept {
  return g_path == nullptr ? std::string_view() : std::string_view(g_path, g_length);
}

void release_base_path() noexcept {
  std::free(g_path);
  g_path = nullptr;
  g_length = 0;
}

}  // namespace voxpaths
