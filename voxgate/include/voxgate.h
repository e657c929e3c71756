// voxgate.dll as a host sees it: the front's own entry points and the values it documents.
//
// The front exports the engine's speech interface under the engine's names; every name but
// spcSynSpeak is forwarded unchanged to the engine module "voxgate2.dll" beside the front.
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#define VOXGATE_STDCALL __stdcall
#else
#define VOXGATE_STDCALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The engine's audio callback: a chunk of 16-bit mono PCM at 22050 Hz and its length in bytes.
typedef int32_t(VOXGATE_STDCALL* voxgate_audio_callback)(int16_t* samples, int32_t bytes);

// Exported entry points of the front (ordinals 4, 12 and 13).
typedef int32_t(VOXGATE_STDCALL* voxgate_speak_fn)(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                                                   voxgate_audio_callback);
typedef void(VOXGATE_STDCALL* voxgate_set_factor_fn)(float factor);

// spcSynSpeak's result when the engine module has no spcSynSpeak of its own: the request is
// refused and no audio is produced.
#define VOXGATE_SPEAK_UNAVAILABLE ((int32_t)-1)

// Structured exception raised (non-continuable) when the host calls a forwarded entry point that
// the engine module does not export.
#define VOXGATE_EXCEPTION_NO_ENGINE_ENTRY 0xE0564701u

// The settings key under HKEY_CURRENT_USER and its two values, in percent (100 = unchanged).
#define VOXGATE_SETTINGS_KEY "Software\\Dunmere\\Merivox"
#define VOXGATE_SPEED_VALUE "speed"
#define VOXGATE_VOLUME_VALUE "volume"

// The engine module the front loads from its own directory.
#define VOXGATE_ENGINE_FILE "voxgate2.dll"

#ifdef __cplusplus
}
#endif
