#include "windows_loader.h"

#include <windows.h>

namespace voxgate {
namespace {

uint32_t own_module_path(ModuleHandle self, char* buffer, uint32_t size) {
  return GetModuleFileNameA(static_cast<HMODULE>(self), buffer, size);
}

ModuleHandle load(const char* path) { return LoadLibraryA(path); }

CodeAddress lookup(ModuleHandle module, const char* name) {
  return reinterpret_cast<CodeAddress>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void release(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

constexpr LoaderOps kWindowsLoader = {own_module_path, load, lookup, release};

}  // namespace

const LoaderOps& windows_loader() noexcept { return kWindowsLoader; }

}  // namespace voxgate
