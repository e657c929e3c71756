// The DLL's entry points: cdecl, undecorated, names and ordinals from voxpaths.def.
#include <windows.h>

#include <cstdint>

#include "../base_path.h"
#include "../path_queries.h"

extern "C" {

int32_t __cdecl VFRegGetDataDir(char* buffer, uint32_t length) {
  return voxpaths::get_data_dir(buffer, length);
}

int32_t __cdecl VFRegGetOutDir(char* buffer, uint32_t length) {
  return voxpaths::get_out_dir(buffer, length);
}

int32_t __cdecl VFRegGetSize(int32_t* first, int32_t* second) {
  return voxpaths::get_size(first, second);
}

int32_t __cdecl VFRegGetUnitDir(char* buffer, uint32_t length, int32_t kind) {
  return voxpaths::get_unit_dir(buffer, length, kind);
}

void __cdecl setpath(const char* path) { voxpaths::set_path(path); }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  // The base path's copy is the only resource; it goes with the library.
  if (reason == DLL_PROCESS_DETACH) voxpaths::release_base_path();
  return TRUE;
}

}  // extern "C"
