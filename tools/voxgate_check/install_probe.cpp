#include "install_probe.h"

#include <windows.h>

#include "engine_binding.h"
#include "engine_path.h"

namespace voxgate_check {
namespace {

bool is_file(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool is_directory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string full_path(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

// The FileVersion string of the first translation in the file's version resource.
std::string file_version(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return "";
  std::string block(size, '\0');
  if (!GetFileVersionInfoA(path.c_str(), 0, size, &block[0])) return "";
  struct Translation {
    WORD language;
    WORD code_page;
  };
  Translation* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < sizeof(Translation))
    return "";
  char query[64];
  wsprintfA(query, "\\StringFileInfo\\%04x%04x\\FileVersion", translation->language,
            translation->code_page);
  char* value = nullptr;
  if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&value), &length) ||
      length == 0)
    return "";
  return std::string(value);
}

}  // namespace

FrontReport probe_front(const std::string& target) {
  FrontReport report;
  report.path = full_path(is_directory(target) ? target + "\\voxgate.dll" : target);
  report.file_present = is_file(report.path);
  if (!report.file_present) return report;
  report.version = file_version(report.path);
  // No error dialog boxes: the check reports, it does not ask.
  const UINT previous_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE front = LoadLibraryA(report.path.c_str());
  report.load_error = front == nullptr ? GetLastError() : 0;
  SetErrorMode(previous_mode);
  report.loads = front != nullptr;
  if (front != nullptr) FreeLibrary(front);
  return report;
}

EngineReport probe_engine(const FrontReport& front) {
  EngineReport report;
  // The same path rule as the front's own, from the path the loader would report for it.
  char engine_path[voxgate::kEnginePathSize];
  const auto length = static_cast<uint32_t>(front.path.size());
  if (!voxgate::build_engine_path(front.path.c_str(), length, engine_path)) return report;
  report.path = engine_path;
  report.file_present = is_file(report.path);
  report.exported.assign(voxgate::kSlotCount, false);
  if (!report.file_present) return report;

  HMODULE engine = LoadLibraryExA(report.path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  report.opened = engine != nullptr;
  if (engine == nullptr) return report;
  for (uint32_t slot = 0; slot < voxgate::kSlotCount; ++slot)
    report.exported[slot] = GetProcAddress(engine, voxgate::kEngineEntryNames[slot]) != nullptr;
  FreeLibrary(engine);
  return report;
}

}  // namespace voxgate_check
