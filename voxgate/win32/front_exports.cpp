// The front's own exports and its library entry point. Everything else it exports is a
// forwarding thunk (forward_thunks.S).
#include <windows.h>

#include "../core/engine_binding.h"
#include "../core/playback_settings.h"
#include "../core/tempo_stage.h"
#include "missing_entry.h"
#include "registry_store.h"
#include "voxgate.h"
#include "windows_loader.h"

extern "C" {

int32_t __stdcall spcSynSpeak(uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4, uint32_t a5,
                              voxgate_audio_callback app_callback) {
  return voxgate::speak(a1, a2, a3, a4, a5, app_callback);
}

void __stdcall setboost(float speed) { voxgate::set_boost(speed); }

void __stdcall setvolume(float volume) { voxgate::set_volume(volume); }

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      voxgate::use_settings_store(&voxgate::registry_store());
      return voxgate::attach_front(voxgate::windows_loader(), self,
                                   reinterpret_cast<voxgate::CodeAddress>(voxgate_missing_entry))
                 ? TRUE
                 : FALSE;
    case DLL_PROCESS_DETACH:
      voxgate::detach_front(voxgate::windows_loader());
      return TRUE;
    default:  // thread attach and detach: nothing to do
      return TRUE;
  }
}

}  // extern "C"
