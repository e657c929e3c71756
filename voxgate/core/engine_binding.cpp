#include "engine_binding.h"

#include <sonic.h>

#include "engine_path.h"
#include "tempo_stage.h"

voxgate::CodeAddress voxgate_engine_slots[voxgate::kSlotCount] = {};

namespace voxgate {
namespace {

constexpr int kSampleRate = 22050;
constexpr int kChannels = 1;

sonicStream g_stream = nullptr;
ModuleHandle g_engine = nullptr;
CodeAddress g_missing_entry = nullptr;

void release_stream() noexcept {
  if (g_stream != nullptr) sonicDestroyStream(g_stream);
  g_stream = nullptr;
}

}  // namespace

const char* const kEngineEntryNames[kSlotCount] = {
    "SynSpeak",     "spcSynCntl",     "spcSynFlush",   "spcSynInit",
    "spcSynPause",  "spcSynReadStat", "spcSynRepeat",  "spcSynResume",
    "spcSynSelDev", "spcSynSpeak",    "spcSynSpeakEx", "spcSynTerm",
};

bool attach_front(const LoaderOps& loader, ModuleHandle self, CodeAddress missing_entry) noexcept {
  g_missing_entry = missing_entry;
  for (CodeAddress& slot : voxgate_engine_slots) slot = missing_entry;
  g_stream = sonicCreateStream(kSampleRate, kChannels);
  if (g_stream == nullptr) return false;

  char module_path[kModulePathSize] = {};
  char engine_path[kEnginePathSize];
  const uint32_t returned = loader.own_module_path(self, module_path, kModulePathSize);
  if (!build_engine_path(module_path, returned, engine_path)) {
    release_stream();
    return false;
  }

  g_engine = loader.load(engine_path);
  if (g_engine == nullptr) {
    release_stream();
    return false;
  }

  CodeAddress found[kSlotCount];
  for (uint32_t slot = 0; slot < kSlotCount; ++slot) {
    found[slot] = loader.lookup(g_engine, kEngineEntryNames[slot]);
    voxgate_engine_slots[slot] = found[slot] != nullptr ? found[slot] : missing_entry;
  }
  bind_stage(g_stream, reinterpret_cast<EngineSpeak>(found[kSlotSpcSynSpeak]));
  return true;
}

void detach_front(const LoaderOps& loader) noexcept {
  unbind_stage();
  // A call that still arrives (from another module's detach at process end) must not reach the
  // released engine.
  for (CodeAddress& slot : voxgate_engine_slots) slot = g_missing_entry;
  if (g_engine != nullptr) loader.release(g_engine);
  g_engine = nullptr;
  release_stream();
}

ModuleHandle engine_module() noexcept { return g_engine; }

}  // namespace voxgate
