// Reads the export and import tables of a module loaded in this process, so tests can check the
// real table the loader sees.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vox_test {

struct ExportTable {
  std::string dll_name;
  uint32_t ordinal_base = 0;
  std::vector<uint32_t> function_rvas;  // index = ordinal - base; 0 for an empty slot
  std::vector<std::pair<std::string, uint32_t>> names;  // name, ordinal; in table order
};

ExportTable read_exports(HMODULE module);

// Names of the DLLs the module imports from, as written in its import table.
std::vector<std::string> read_imports(HMODULE module);

// True for DLLs that every Windows install has and that need no redistribution.
bool is_system_dll(const std::string& name);

// Directory of this executable, with a trailing backslash.
std::string exe_directory();

}  // namespace vox_test
