// The tempo and volume stage on a real Sonic stream, with a fake engine and recording hosts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "speech_sample.h"
#include "stage_harness.h"
#include "volume_scale.h"

using namespace stage_test;

namespace {

int32_t speak_with(voxgate::AudioCallback host) { return voxgate::speak(11, 22, 33, 44, 55, host); }

void expect_deliveries_well_formed() {
  for (const Delivery& d : g_deliveries) {
    EXPECT_EQ(d.bytes % 2, 0) << "odd delivery of " << d.bytes << " bytes";
    EXPECT_GT(d.bytes, 0);
    EXPECT_LE(d.bytes, 22050) << "delivery above the transfer buffer";
  }
}

const std::vector<int16_t>& speech() {
  static const std::vector<int16_t> samples = vox_test::load_speech_sample();
  return samples;
}

TEST(VolumeScale, TruncatesTowardZeroAndSaturates) {
  const struct {
    float volume;
    std::vector<int16_t> in, out;
  } cases[] = {
      {0.5f, {100, 3, -3, 1, -1, 0}, {50, 1, -1, 0, 0, 0}},
      {2.0f, {20000, -20000, 16383, -16384}, {32767, -32768, 32766, -32768}},
      {1.0f, {32767, -32768, 5}, {32767, -32768, 5}},
      {0.0f, {32767, -32768}, {0, 0}},
      {-1.0f, {-32768, 100}, {32767, -100}},
      {std::numeric_limits<float>::infinity(), {1, -1, 0}, {32767, -32768, 0}},
      {std::numeric_limits<float>::quiet_NaN(), {1, -1, 0}, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<int16_t> samples = c.in;
    voxgate::scale_samples(samples.data(), static_cast<int32_t>(samples.size()), c.volume);
    EXPECT_EQ(samples, c.out) << "volume " << c.volume;
  }
}

TEST(SafeSpeed, MapsUnsafeFactorsIntoTheStreamsRange) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float in, out;
  } cases[] = {{1.5f, 1.5f},   {0.1f, 0.1f},
               {10.0f, 10.0f}, {0.01f, 0.1f},
               {1000.f, 10.f}, {0.0f, 1.0f},
               {-1.0f, 1.0f},  {inf, 1.0f},
               {-inf, 1.0f},   {std::numeric_limits<float>::quiet_NaN(), 1.0f}};
  for (const auto& c : cases) EXPECT_EQ(voxgate::safe_speed(c.in), c.out) << "speed " << c.in;
}

TEST(TempoStage, UnitFactorsPassSpeechThroughWithinEachChunksCallback) {
  ASSERT_FALSE(speech().empty()) << "speech fixture missing";
  BoundStage stage;
  // Varying chunk sizes, one above the transfer buffer.
  std::vector<int16_t> input(speech().begin(), speech().begin() + 30000);
  const std::size_t sizes[] = {1024, 1, 333, 12000, 4096, 777};
  for (std::size_t at = 0, i = 0; at < input.size(); ++i) {
    const std::size_t n = std::min(sizes[i % 6], input.size() - at);
    g_script.push_back(chunk_of(std::vector<int16_t>(input.data() + at, input.data() + at + n)));
    at += n;
  }
  EXPECT_EQ(speak_with(host_a), kEngineResult);
  expect_deliveries_well_formed();
  EXPECT_EQ(delivered(), input);
  for (const Delivery& d : g_deliveries) EXPECT_NE(d.chunk_index, -1) << "delivered after return";
  // Each chunk came out while its own callback ran, in full.
  std::vector<std::size_t> per_chunk(g_script.size(), 0);
  for (const Delivery& d : g_deliveries) per_chunk[d.chunk_index] += d.samples.size();
  for (std::size_t i = 0; i < g_script.size(); ++i)
    EXPECT_EQ(per_chunk[i], g_script[i].samples.size()) << "chunk " << i;
}

TEST(TempoStage, ScalesInPlaceLeavingTheOddByteAndPassesArgumentsThrough) {
  BoundStage stage;
  voxgate::set_volume(0.5f);
  // 7 bytes: three samples and a trailing byte that belongs to no sample.
  Chunk odd{{100, 3, -3, 0x1234}, 7};
  g_script = {odd};
  EXPECT_EQ(speak_with(host_a), kEngineResult);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{50, 1, -1}));
  ASSERT_EQ(g_deliveries.size(), 1u);
  EXPECT_EQ(g_deliveries[0].bytes, 6);
  const std::vector<uint8_t>& after = g_engine.chunk_bytes_after[0];
  EXPECT_EQ(after[6], 0x34) << "the odd byte must stay untouched";
  EXPECT_EQ(after[7], 0x12);
  EXPECT_EQ(int16_t(after[0] | after[1] << 8), 50) << "scaled in the engine's own buffer";
  const uint32_t expected_args[5] = {11, 22, 33, 44, 55};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g_engine.args[i], expected_args[i]) << "argument " << i;
}

TEST(TempoStage, ResultsGoBackToTheEngineAndTheHost) {
  BoundStage stage;
  voxgate::set_boost(2.0f);  // the stream holds the first chunks back
  g_script = split(std::vector<int16_t>(speech().begin(), speech().begin() + 20000), 500);
  g_script.push_back(Chunk{{}, 0, true});  // empty chunk with a null pointer
  g_script.push_back(Chunk{{}, -5});       // negative count: treated as 0
  g_host_result = 42;
  EXPECT_EQ(speak_with(host_a), kEngineResult) << "the host's answer at the end is not returned";
  ASSERT_EQ(g_engine.callback_results.size(), g_script.size());
  EXPECT_EQ(g_engine.callback_results.front(), 1) << "nothing ready yet: 1";
  int delivered_chunks = 0;
  std::vector<int> deliveries_of(g_script.size(), 0);
  for (const Delivery& d : g_deliveries)
    if (d.chunk_index >= 0) ++deliveries_of[d.chunk_index];
  for (std::size_t i = 0; i < g_script.size(); ++i) {
    EXPECT_EQ(g_engine.callback_results[i], deliveries_of[i] > 0 ? 42 : 1) << "chunk " << i;
    delivered_chunks += deliveries_of[i] > 0;
  }
  EXPECT_GT(delivered_chunks, 0);
}

class TempoStageSpeed : public ::testing::TestWithParam<float> {};

TEST_P(TempoStageSpeed, TotalOutputFollowsTheSpeed) {
  ASSERT_FALSE(speech().empty());
  BoundStage stage;
  const float speed = GetParam();
  voxgate::set_boost(speed);
  g_script = split(speech(), 1024);
  speak_with(host_a);
  expect_deliveries_well_formed();
  const double expected = static_cast<double>(speech().size()) / static_cast<double>(speed);
  EXPECT_NEAR(static_cast<double>(delivered().size()), expected, expected * 0.03)
      << "speed " << speed << ": " << speech().size() << " samples in";
  EXPECT_EQ(sonicSamplesAvailable(stage.stream()), 0) << "output left in the stream";
}

INSTANTIATE_TEST_SUITE_P(Speeds, TempoStageSpeed, ::testing::Values(0.5f, 1.5f, 2.0f, 0.1f, 10.0f));

TEST(TempoStage, FullDrainKeepsEachRequestsAudioToItsOwnHost) {
  BoundStage stage;
  voxgate::set_boost(0.5f);  // slow: output outruns the transfer buffer
  const std::vector<int16_t> first(speech().begin(), speech().begin() + 40000);
  g_script = split(first, 12000);
  speak_with(host_a);
  const std::size_t first_total = delivered(0).size();
  EXPECT_NEAR(first_total, 80000.0, 80000.0 * 0.03);
  expect_deliveries_well_formed();

  g_script = {chunk_of(std::vector<int16_t>(2000, 0))};
  speak_with(host_b);
  EXPECT_EQ(delivered(0).size(), first_total) << "request one's audio reached request two";
  EXPECT_NEAR(delivered(1).size(), 4000.0, 4000.0 * 0.05);
}

TEST(TempoStage, RequestWithNoChunksDeliversNothing) {
  BoundStage stage;
  voxgate::set_boost(1.5f);
  g_script = split(std::vector<int16_t>(speech().begin(), speech().begin() + 5000), 1024);
  speak_with(host_a);
  g_deliveries.clear();
  g_script.clear();
  EXPECT_EQ(speak_with(host_b), kEngineResult);
  EXPECT_TRUE(g_deliveries.empty()) << g_deliveries.size() << " deliveries from an empty request";
}

TEST(TempoStage, NullHostCallbackDrainsAndDiscards) {
  BoundStage stage;
  voxgate::set_boost(1.5f);
  g_script = split(speech(), 4096);
  EXPECT_EQ(speak_with(nullptr), kEngineResult);
  for (int32_t r : g_engine.callback_results) EXPECT_EQ(r, 1);
  EXPECT_EQ(sonicSamplesAvailable(stage.stream()), 0);
  g_script = {chunk_of({1, 2, 3})};
  voxgate::set_boost(1.0f);
  speak_with(host_a);
  EXPECT_EQ(delivered(0), (std::vector<int16_t>{1, 2, 3})) << "the next host gets only its own";
}

TEST(TempoStage, UnsafeSpeedFactorsNeitherCrashNorHang) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float speed :
       {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), inf, 1e9f, 42949672.95f}) {
    BoundStage stage;
    voxgate::set_boost(speed);
    g_script = split(std::vector<int16_t>(speech().begin(), speech().begin() + 20000), 1024);
    EXPECT_EQ(speak_with(host_a), kEngineResult) << "speed " << speed;
    expect_deliveries_well_formed();
    const double expected = 20000.0 / voxgate::safe_speed(speed);
    EXPECT_NEAR(static_cast<double>(delivered().size()), expected, expected * 0.05 + 50)
        << "speed " << speed;
  }
}

TEST(TempoStage, SettingsChangedInsideTheHostCallbackCountFromTheNextChunk) {
  BoundStage stage;
  g_script = {chunk_of({1000, 1000}), chunk_of({1000, 1000}), chunk_of({1000, 1000})};
  g_inside_host = [] { voxgate::set_volume(0.5f); };
  speak_with(host_a);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{1000, 1000, 500, 500, 500, 500}));
}

TEST(TempoStage, MissingEngineSpeakRefusesWithoutTouchingTheStream) {
  BoundStage stage;
  voxgate::bind_stage(stage.stream(), nullptr);
  g_script = {chunk_of({1, 2, 3})};
  EXPECT_EQ(speak_with(host_a), VOXGATE_SPEAK_UNAVAILABLE);
  EXPECT_EQ(g_engine.calls, 0);
  EXPECT_TRUE(g_deliveries.empty());
  EXPECT_EQ(sonicSamplesAvailable(stage.stream()), 0);
}

}  // namespace
