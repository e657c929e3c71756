// Fuzzes the tempo and volume stage on a real Sonic stream: a fake engine plays
// a script of chunks of any byte count (odd, empty, negative, null pointer)
// through chunk_callback(), the volume factor changes between chunks and the
// speed factor between requests (any bit pattern, set in memory mode), several
// requests in a row. Besides crashes, leaks and undefined behaviour it checks
// what the host hears:
//   - every delivery is even, not empty and at most 22050 bytes;
//   - every delivery happens inside speak(), and the stream holds nothing once
//   speak() returns,
//     so no audio of a request reaches the next one;
//   - the bytes past the announced length of a chunk and an odd last byte stay
//   untouched (each
//     chunk sits in a heap block of exactly its length, so ASan sees any access
//     beyond it);
//   - at speed s in [0.1, 10] a request delivers input / s samples within a
//   measured tolerance
//     (kSlackSamples and slack_fraction() below);
//   - at speed 1.0 and volume 1.0 throughout, the output is the input, sample
//   for sample.
#include <fuzzer/FuzzedDataProvider.h>
#include <sonic.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "playback_settings.h"
#include "tempo_stage.h"

namespace {

// The tolerance on a request's length, chosen from STAGE_FUZZ_MEASURE figures
// of a 60-second run (about 6500 requests at speeds in [0.1, 10]). Sonic
// inserts or drops whole pitch periods and rounds each one, so the error
// depends on the speed and on how short the signal's period is:
//   speed 0.1 to 0.2   up to 7.6 % of the expected length (synthetic voices of
//   40-sample periods) speed 0.2 to 0.5   up to 1.4 % speed 0.5 to 10    up
//   to 2.5 %, and up to 1500 samples on inputs under 20000 samples speed 1.0
//   exact
// Allowed: 2000 samples plus 10 % below speed 0.5, plus 3 % from 0.5 on.
constexpr double kSlackSamples = 2000.0;
double slack_fraction(float speed) { return speed < 0.5f ? 0.10 : 0.03; }

constexpr int32_t kMaxDeliveryBytes = 22050;
constexpr int64_t kMaxInputSamples = 150000;  // per fuzz input: keeps an input under a second

enum class Content : uint8_t { kVoiced, kNoise, kSilence, kFullScale };

struct ChunkPlan {
  int32_t bytes;
  bool null_pointer;
  float volume;
  Content content;
  uint32_t seed;
};

struct RequestPlan {
  float speed;
  std::vector<ChunkPlan> chunks;
};

// What one request fed and heard.
struct RequestLog {
  std::vector<int16_t> fed;  // samples handed to the stage, before scaling
  std::vector<int16_t> heard;
  bool in_speak = false;
};

RequestLog g_log;
const RequestPlan *g_plan = nullptr;

uint32_t next_random(uint32_t &state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

void fill(int16_t *samples, int32_t count, Content content, uint32_t seed) {
  uint32_t state = seed | 1u;
  const int32_t period = 40 + static_cast<int32_t>(seed % 260);  // 85 to 550 Hz
  for (int32_t i = 0; i < count; ++i) {
    int32_t value = 0;
    switch (content) {
      case Content::kVoiced:
        value = (i % period) * 20000 / period - 10000 +
                static_cast<int32_t>(next_random(state) % 2001) - 1000;
        break;
      case Content::kNoise:
        value = static_cast<int16_t>(next_random(state));
        break;
      case Content::kSilence:
        value = 0;
        break;
      case Content::kFullScale:
        value = (i / period) % 2 == 0 ? 32767 : -32768;
        break;
    }
    samples[i] = static_cast<int16_t>(value);
  }
}

int32_t VOXGATE_STDCALL host(int16_t *samples, int32_t bytes) {
  FUZZ_CHECK(g_log.in_speak, "delivery of %d bytes outside a request", bytes);
  FUZZ_CHECK(bytes > 0 && bytes % 2 == 0 && bytes <= kMaxDeliveryBytes,
             "delivery of %d bytes; expected an even count in [2, %d]", bytes, kMaxDeliveryBytes);
  g_log.heard.insert(g_log.heard.end(), samples, samples + bytes / 2);
  return 3;
}

int32_t VOXGATE_STDCALL engine(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                               voxgate::AudioCallback callback) {
  for (const ChunkPlan &chunk : g_plan->chunks) {
    voxgate::set_volume(chunk.volume);
    const std::size_t size = chunk.bytes > 0 ? static_cast<std::size_t>(chunk.bytes) : 0;
    std::vector<uint8_t> block(size);  // exactly the announced length
    const int32_t count = static_cast<int32_t>(size / 2);
    std::vector<int16_t> samples(static_cast<std::size_t>(count));
    fill(samples.data(), count, chunk.content, chunk.seed);
    if (count > 0) std::memcpy(block.data(), samples.data(), static_cast<std::size_t>(count) * 2);
    const uint8_t odd_byte = 0x5A;
    if (size % 2 == 1) block[size - 1] = odd_byte;
    g_log.fed.insert(g_log.fed.end(), samples.begin(), samples.end());

    int16_t *pointer = chunk.null_pointer ? nullptr : reinterpret_cast<int16_t *>(block.data());
    callback(pointer, chunk.bytes);
    if (size % 2 == 1 && !chunk.null_pointer)
      FUZZ_CHECK(block[size - 1] == odd_byte, "odd last byte of a %d-byte chunk became 0x%02x",
                 chunk.bytes, block[size - 1]);
  }
  return 0x5EED;
}

float consume_speed(FuzzedDataProvider &in) {
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: {  // any bit pattern: NaN, infinities, zero, negatives, denormals
      const uint32_t bits = in.ConsumeIntegral<uint32_t>();
      float speed;
      std::memcpy(&speed, &bits, sizeof speed);
      return speed;
    }
    case 1:
      return 0.1f + 9.9f * static_cast<float>(in.ConsumeIntegral<uint16_t>()) / 65535.0f;
    case 2:
      return 1.0f;
    default: {
      static const float kEdges[] = {0.1f, 0.5f, 2.0f, 3.0f, 10.0f, 0.0999f, 10.01f, 0.0f, -1.0f};
      return kEdges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kEdges) - 1)];
    }
  }
}

float consume_volume(FuzzedDataProvider &in) {
  switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0: {
      const uint32_t bits = in.ConsumeIntegral<uint32_t>();
      float volume;
      std::memcpy(&volume, &bits, sizeof volume);
      return volume;
    }
    case 1:
      return 4.0f * static_cast<float>(in.ConsumeIntegral<uint16_t>()) / 65535.0f;
    default:
      return 1.0f;
  }
}

int32_t consume_bytes(FuzzedDataProvider &in) {
  switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
      return in.ConsumeIntegralInRange<int32_t>(0, 64);
    case 1:
      return in.ConsumeIntegralInRange<int32_t>(0, 50000);
    case 2:
      return in.ConsumeIntegralInRange<int32_t>(INT32_MIN, 0);
    case 3: {
      static const int32_t kEdges[] = {1, 2, 22049, 22050, 22051, 22052, 44100, 44101};
      return kEdges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kEdges) - 1)];
    }
    default:
      return in.ConsumeIntegralInRange<int32_t>(4000, 9000);
  }
}

std::vector<RequestPlan> consume_plan(FuzzedDataProvider &in) {
  std::vector<RequestPlan> requests(in.ConsumeIntegralInRange<std::size_t>(1, 4));
  int64_t budget = kMaxInputSamples;
  for (RequestPlan &request : requests) {
    request.speed = consume_speed(in);
    const std::size_t chunks = in.ConsumeIntegralInRange<std::size_t>(0, 40);
    for (std::size_t i = 0; i < chunks && in.remaining_bytes() > 0; ++i) {
      ChunkPlan chunk{};
      chunk.bytes = consume_bytes(in);
      if (chunk.bytes > 0) {
        if (chunk.bytes / 2 > budget) chunk.bytes = static_cast<int32_t>(budget * 2);
        budget -= chunk.bytes / 2;
      }
      chunk.null_pointer = chunk.bytes <= 0 && in.ConsumeBool();
      chunk.volume = in.ConsumeBool() ? consume_volume(in) : 1.0f;
      chunk.content = static_cast<Content>(in.ConsumeIntegralInRange<int>(0, 3));
      chunk.seed = in.ConsumeIntegral<uint32_t>();
      request.chunks.push_back(chunk);
    }
  }
  return requests;
}

// With STAGE_FUZZ_MEASURE set, each request prints "speed fed heard": the
// figures the tolerance above was chosen from.
const bool g_measure = std::getenv("STAGE_FUZZ_MEASURE") != nullptr;

void check_request(const RequestPlan &request) {
  const double fed = static_cast<double>(g_log.fed.size());
  const double heard = static_cast<double>(g_log.heard.size());
  const float speed = request.speed;
  if (g_measure) std::fprintf(stderr, "measure %.9g %.0f %.0f\n", speed, fed, heard);
  if (speed >= voxgate::kMinSpeed && speed <= voxgate::kMaxSpeed) {
    const double expected = fed / speed;
    const double slack = kSlackSamples + slack_fraction(speed) * expected;
    FUZZ_CHECK(std::fabs(heard - expected) <= slack,
               "speed %.9g: heard %.0f samples of %.0f fed; expected %.1f +- %.1f", speed, heard,
               fed, expected, slack);
  }
  bool unit_volume = true;
  for (const ChunkPlan &chunk : request.chunks) unit_volume = unit_volume && chunk.volume == 1.0f;
  if (speed == 1.0f && unit_volume) {
    FUZZ_CHECK(g_log.heard.size() == g_log.fed.size(),
               "unit factors: heard %zu samples; expected the %zu fed", g_log.heard.size(),
               g_log.fed.size());
    for (std::size_t i = 0; i < g_log.fed.size(); ++i)
      FUZZ_CHECK(g_log.heard[i] == g_log.fed[i], "unit factors: sample %zu is %d; expected %d", i,
                 g_log.heard[i], g_log.fed[i]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::vector<RequestPlan> requests = consume_plan(in);

  sonicStream stream = sonicCreateStream(22050, 1);
  FUZZ_CHECK(stream != nullptr, "sonicCreateStream gave null");
  voxgate::use_settings_store(nullptr);
  voxgate::reset_playback_settings();
  voxgate::bind_stage(stream, engine);

  for (const RequestPlan &request : requests) {
    g_plan = &request;
    g_log = RequestLog();
    voxgate::set_boost(request.speed);
    g_log.in_speak = true;
    const int32_t result = voxgate::speak(1, 2, 3, 4, 5, host);
    g_log.in_speak = false;
    FUZZ_CHECK(result == 0x5EED, "speak returned %d; expected the engine's %d", result, 0x5EED);
    FUZZ_CHECK(sonicSamplesAvailable(stream) == 0,
               "%d samples left in the stream after the request; expected 0",
               sonicSamplesAvailable(stream));
    check_request(request);
  }

  voxgate::unbind_stage();
  voxgate::reset_playback_settings();
  sonicDestroyStream(stream);
  g_plan = nullptr;
  return 0;
}
