// The provider's one piece of state: the base path that setpath stores.
//
// A process-wide byte string, kept as an owned copy of what the caller passed (no conversion, no
// trimming). Empty from load until the first set. Readers may overlap each other; a set must not
// overlap any other call (the callers ensure it), so no lock is taken.
#pragma once

#include <string_view>

namespace voxpaths {

// Replaces the base path with a copy of `path` up to its terminator. Null or "" empties it.
// Returns false when the copy could not be allocated; the base path is then empty.
bool set_base_path(const char* path) noexcept;

// The current base path; valid until the next set or release.
std::string_view base_path() noexcept;

// Frees the stored copy (at unload); the base path is empty afterwards.
void release_base_path() noexcept;

}  // namespace voxpaths
