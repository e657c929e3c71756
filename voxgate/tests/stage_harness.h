// A fake engine and a recording host for driving the tempo and volume stage natively with a
// real Sonic stream.
#pragma once

#include <sonic.h>

#include <cstdint>
#include <vector>

#include "playback_settings.h"
#include "tempo_stage.h"

namespace stage_test {

// One chunk the fake engine hands to the chunk callback: `bytes` bytes of `samples` (the
// samples may hold an odd byte more or less than bytes / 2 suggests), or a null pointer.
struct Chunk {
  std::vector<int16_t> samples;
  int32_t bytes;
  bool null_pointer = false;
};

Chunk chunk_of(const std::vector<int16_t>& samples);  // bytes = 2 * size
std::vector<Chunk> split(const std::vector<int16_t>& samples, std::size_t chunk_samples);

// What the fake engine saw and did during the last request.
struct EngineLog {
  uint32_t args[5] = {};
  std::vector<int32_t> callback_results;  // what the chunk callback returned for each chunk
  std::vector<std::vector<uint8_t>> chunk_bytes_after;  // each chunk's buffer after its callback
  int calls = 0;
};

// What the host's callbacks received, in order.
struct Delivery {
  int host;  // 0: host_a, 1: host_b
  std::vector<int16_t> samples;
  int32_t bytes;
  int chunk_index;  // the engine's chunk being processed, -1 after the engine returned
};

extern std::vector<Chunk> g_script;
extern EngineLog g_engine;
extern std::vector<Delivery> g_deliveries;
extern int32_t g_host_result;    // what the host callbacks return
extern void (*g_inside_host)();  // run inside each host delivery, when set
constexpr int32_t kEngineResult = 0x5EED;

int32_t VOXGATE_STDCALL fake_engine_speak(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                                          voxgate::AudioCallback);
int32_t VOXGATE_STDCALL host_a(int16_t* samples, int32_t bytes);
int32_t VOXGATE_STDCALL host_b(int16_t* samples, int32_t bytes);

// Samples delivered to one host (or all with host = -1), concatenated.
std::vector<int16_t> delivered(int host = -1);

// Binds the stage to a fresh 22050 Hz mono stream and the fake engine; unbinds on destruction.
class BoundStage {
 public:
  BoundStage();
  ~BoundStage();
  BoundStage(const BoundStage&) = delete;
  BoundStage& operator=(const BoundStage&) = delete;
  sonicStream stream() const { return stream_; }

 private:
  sonicStream stream_;
};

}  // namespace stage_test
