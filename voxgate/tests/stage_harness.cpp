#include "stage_harness.h"

#include <cstring>

namespace stage_test {

std::vector<Chunk> g_script;
EngineLog g_engine;
std::vector<Delivery> g_deliveries;
int32_t g_host_result = 7;
void (*g_inside_host)() = nullptr;

namespace {
int g_current_chunk = -1;

int32_t record(int host, int16_t* samples, int32_t bytes) {
  Delivery d{host, std::vector<int16_t>(samples, samples + bytes / 2), bytes, g_current_chunk};
  g_deliveries.push_back(std::move(d));
  if (g_inside_host != nullptr) g_inside_host();
  return g_host_result;
}
}  // namespace

Chunk chunk_of(const std::vector<int16_t>& samples) {
  return Chunk{samples, static_cast<int32_t>(samples.size() * 2)};
}

std::vector<Chunk> split(const std::vector<int16_t>& samples, std::size_t chunk_samples) {
  std::vector<Chunk> chunks;
  for (std::size_t at = 0; at < samples.size(); at += chunk_samples) {
    const std::size_t n = std::min(chunk_samples, samples.size() - at);
    chunks.push_back(chunk_of(std::vector<int16_t>(samples.data() + at, samples.data() + at + n)));
  }
  return chunks;
}

int32_t VOXGATE_STDCALL fake_engine_speak(uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4,
                                          uint32_t a5, voxgate::AudioCallback chunk_callback) {
  g_engine = EngineLog();
  const uint32_t args[5] = {a1, a2, a3, a4, a5};
  std::memcpy(g_engine.args, args, sizeof args);
  g_engine.calls = 1;
  for (std::size_t i = 0; i < g_script.size(); ++i) {
    Chunk& c = g_script[i];
    // The engine's own buffer, one guard byte after the announced length.
    std::vector<uint8_t> buffer(c.samples.size() * 2 + 2, 0xA5);
    if (!c.samples.empty()) std::memcpy(buffer.data(), c.samples.data(), c.samples.size() * 2);
    g_current_chunk = static_cast<int>(i);
    int16_t* pointer = c.null_pointer ? nullptr : reinterpret_cast<int16_t*>(buffer.data());
    g_engine.callback_results.push_back(chunk_callback(pointer, c.bytes));
    g_engine.chunk_bytes_after.push_back(buffer);
  }
  g_current_chunk = -1;
  return kEngineResult;
}

int32_t VOXGATE_STDCALL host_a(int16_t* samples, int32_t bytes) {
  return record(0, samples, bytes);
}
int32_t VOXGATE_STDCALL host_b(int16_t* samples, int32_t bytes) {
  return record(1, samples, bytes);
}

std::vector<int16_t> delivered(int host) {
  std::vector<int16_t> all;
  for (const Delivery& d : g_deliveries)
    if (host < 0 || d.host == host) all.insert(all.end(), d.samples.begin(), d.samples.end());
  return all;
}

BoundStage::BoundStage() : stream_(sonicCreateStream(22050, 1)) {
  g_script.clear();
  g_deliveries.clear();
  g_engine = EngineLog();
  g_host_result = 7;
  g_inside_host = nullptr;
  voxgate::use_settings_store(nullptr);  // registry mode with no key: both factors 1.0
  voxgate::reset_playback_settings();
  voxgate::bind_stage(stream_, fake_engine_speak);
}

BoundStage::~BoundStage() {
  voxgate::unbind_stage();
  voxgate::reset_playback_settings();
  sonicDestroyStream(stream_);
}

}  // namespace stage_test
