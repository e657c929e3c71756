#include "pe_tables.h"

#include <algorithm>
#include <cctype>

namespace vox_test {
namespace {

const IMAGE_NT_HEADERS* nt_headers(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

template <typename T>
const T* at_rva(HMODULE module, DWORD rva) {
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

}  // namespace

ExportTable read_exports(HMODULE module) {
  ExportTable table;
  const auto& dir = nt_headers(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.VirtualAddress == 0) return table;
  const auto* exports = at_rva<IMAGE_EXPORT_DIRECTORY>(module, dir.VirtualAddress);
  table.dll_name = at_rva<char>(module, exports->Name);
  table.ordinal_base = exports->Base;
  const auto* functions = at_rva<DWORD>(module, exports->AddressOfFunctions);
  table.function_rvas.assign(functions, functions + exports->NumberOfFunctions);
  const auto* names = at_rva<DWORD>(module, exports->AddressOfNames);
  const auto* ordinals = at_rva<WORD>(module, exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    table.names.emplace_back(at_rva<char>(module, names[i]), exports->Base + ordinals[i]);
  return table;
}

std::vector<std::string> read_imports(HMODULE module) {
  std::vector<std::string> dlls;
  const auto& dir = nt_headers(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return dlls;
  for (const auto* desc = at_rva<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress);
       desc->Name != 0; ++desc)
    dlls.emplace_back(at_rva<char>(module, desc->Name));
  return dlls;
}

bool is_system_dll(const std::string& name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "kernel32.dll" || lower == "advapi32.dll" || lower == "msvcrt.dll" ||
         lower == "user32.dll" || lower == "ntdll.dll";
}

std::string exe_directory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.substr(0, dir.find_last_of('\\') + 1);
}

}  // namespace vox_test
