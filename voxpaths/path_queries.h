// The provider's queries, as the exports answer them. Each builds its path from the current base
// path and fixed text by plain concatenation (no separator added or merged) and copies it out with
// copy_out(): 0 when the result fit, 1 when it was cut or the buffer was null.
#pragma once

#include <cstdint>

namespace voxpaths {

enum UnitKind : int32_t {
  kUnitMale = 1,    // "\unit\WFCM1000"
  kUnitFemale = 2,  // "\unit\WFCF1000"
};

// base path + "\dict"
int32_t get_data_dir(char* buffer, uint32_t length) noexcept;

// base path, nothing appended
int32_t get_out_dir(char* buffer, uint32_t length) noexcept;

// base path + "\unit\" + the unit folder. Any other kind: returns 1 and writes nothing.
int32_t get_unit_dir(char* buffer, uint32_t length, int32_t kind) noexcept;

// Stores 22 and 1 through the two pointers, skipping a null one; returns 0.
int32_t get_size(int32_t* first, int32_t* second) noexcept;

// setpath: replaces the base path; null empties it.
void set_path(const char* path) noexcept;

}  // namespace voxpaths
