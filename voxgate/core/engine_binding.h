// Binding to the engine module: at process attach the front creates its time-scale stream,
// loads "voxgate2.dll" from its own directory and looks up the twelve engine entry points by
// name into the slot table that the forwarding thunks jump through. At process detach it
// releases the engine module and destroys the stream.
//
// The loader sits behind LoaderOps (GetModuleFileNameA, LoadLibraryA, GetProcAddress and
// FreeLibrary on Windows) so the binding runs in native tests as well.
#pragma once

#include <cstdint>

namespace voxgate {

enum EngineSlot : uint32_t {
  kSlotSynSpeak,
  kSlotSpcSynCntl,
  kSlotSpcSynFlush,
  kSlotSpcSynInit,
  kSlotSpcSynPause,
  kSlotSpcSynReadStat,
  kSlotSpcSynRepeat,
  kSlotSpcSynResume,
  kSlotSpcSynSelDev,
  kSlotSpcSynSpeak,
  kSlotSpcSynSpeakEx,
  kSlotSpcSynTerm,
  kSlotCount
};

// Engine names in slot order: byte-wise ascending, upper case before lower case.
extern const char* const kEngineEntryNames[kSlotCount];

using ModuleHandle = void*;
using CodeAddress = void*;

struct LoaderOps {
  uint32_t (*own_module_path)(ModuleHandle self, char* buffer, uint32_t size);
  ModuleHandle (*load)(const char* path);
  CodeAddress (*lookup)(ModuleHandle module, const char* name);
  void (*release)(ModuleHandle module);
};

// Process attach. `missing_entry` goes into the slot of every name the engine lacks, so a
// forwarded call never jumps to address 0. False, with nothing left loaded or allocated, when
// the stream cannot be created or the engine module cannot be found or loaded.
bool attach_front(const LoaderOps& loader, ModuleHandle self, CodeAddress missing_entry) noexcept;

// Process detach: releases the engine module (once) and the stream. Safe after a failed attach.
void detach_front(const LoaderOps& loader) noexcept;

// The loaded engine module, or null.
ModuleHandle engine_module() noexcept;

}  // namespace voxgate

// The slot table, read by the forwarding thunks: one code address per EngineSlot.
extern "C" voxgate::CodeAddress voxgate_engine_slots[voxgate::kSlotCount];
