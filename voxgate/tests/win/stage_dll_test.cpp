// spcSynSpeak of the real voxgate.dll, end to end with the test engine and real speech.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "front_under_test.h"
#include "speech_sample.h"

namespace {

using namespace win_test;

const std::vector<int16_t>& speech() {
  static const std::vector<int16_t> s = vox_test::load_speech_sample();
  return s;
}

void expect_deliveries_well_formed() {
  for (const Delivery& d : g_deliveries) {
    EXPECT_EQ(d.bytes % 2, 0) << "odd delivery of " << d.bytes << " bytes";
    EXPECT_GT(d.bytes, 0);
    EXPECT_LE(d.bytes, 22050);
  }
}

class StageDll : public ::testing::Test {
 protected:
  void SetUp() override {
    delete_settings_key();  // registry mode with no key: both factors 1.0
    ASSERT_FALSE(speech().empty()) << "speech fixture missing";
    ASSERT_TRUE(front_.loaded()) << "error " << front_.load_error();
  }
  FrontUnderTest front_;
};

TEST_F(StageDll, VolumeScalesTruncatesAndSaturatesLeavingTheOddByte) {
  front_.setvolume(0.5f);
  front_.set_script_bytes({{{100, 3, -3, 0x1234}, 7}});
  EXPECT_EQ(front_.speak(host_a), 0x5EED);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{50, 1, -1}));
  EXPECT_EQ(front_.engine_state()->last_chunk_after[6], 0x34) << "odd byte changed";

  reset_host();
  front_.setvolume(3.0f);
  front_.set_script({{20000, -20000, 100}});
  front_.speak(host_a);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{32767, -32768, 300}));
}

TEST_F(StageDll, UnitFactorsPassSpeechThroughChunkByChunk) {
  std::vector<std::vector<int16_t>> chunks;
  const std::size_t sizes[] = {1024, 1, 12000, 333, 4096};
  for (std::size_t at = 0, i = 0; at < speech().size(); ++i) {
    const std::size_t n = std::min(sizes[i % 5], speech().size() - at);
    chunks.emplace_back(speech().begin() + at, speech().begin() + at + n);
    at += n;
  }
  front_.set_script(chunks);
  g_host_result = 9;
  front_.speak(host_a);
  expect_deliveries_well_formed();
  EXPECT_EQ(delivered(), speech());
  const FixtureState* state = front_.engine_state();
  for (std::size_t i = 0; i < chunks.size(); ++i)
    EXPECT_EQ(state->callback_results[i], 9) << "chunk " << i << " got no delivery of its own";
}

TEST_F(StageDll, ArgumentsAndResultsPassThrough) {
  front_.setboost(2.0f);
  front_.set_script(split(std::vector<int16_t>(speech().begin(), speech().begin() + 8000), 256));
  front_.engine_state()->speak_result = -77;
  g_host_result = 42;
  EXPECT_EQ(front_.speak(host_a, 1, 2, 3, 4, 5), -77);
  const FixtureCall& call = front_.engine_state()->last_call;
  for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(call.args[i], i + 1) << "argument " << i;
  EXPECT_NE(front_.engine_state()->speak_callback, &host_a) << "engine got the host's callback";
  EXPECT_EQ(front_.engine_state()->callback_results[0], 1) << "nothing ready after the first chunk";
  bool any_delivery_result = false;
  for (int i = 0; i < 8000 / 256; ++i)
    any_delivery_result |= front_.engine_state()->callback_results[i] == 42;
  EXPECT_TRUE(any_delivery_result);
}

class StageDllSpeed : public StageDll, public ::testing::WithParamInterface<float> {};

TEST_P(StageDllSpeed, TotalOutputFollowsTheSpeed) {
  front_.setboost(GetParam());
  front_.set_script(split(speech(), 1024));
  front_.speak(host_a);
  expect_deliveries_well_formed();
  const double expected = speech().size() / GetParam();
  EXPECT_NEAR(delivered().size(), expected, expected * 0.03) << "speed " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Speeds, StageDllSpeed, ::testing::Values(0.5f, 1.5f, 2.0f));

TEST_F(StageDll, FullDrainAcrossTwoRequestsWithTwoHosts) {
  front_.setboost(0.5f);
  front_.set_script(split(speech(), 12000));
  front_.speak(host_a);
  const std::size_t first = delivered(0).size();
  EXPECT_NEAR(first, speech().size() * 2.0, speech().size() * 2.0 * 0.03);
  front_.set_script({std::vector<int16_t>(1000, 5)});
  front_.speak(host_b);
  EXPECT_EQ(delivered(0).size(), first) << "the first request's audio went to the second host";
  EXPECT_NEAR(delivered(1).size(), 2000.0, 100.0);
  expect_deliveries_well_formed();
}

TEST_F(StageDll, EmptyAndNegativeChunksAndANullHost) {
  front_.setboost(1.0f);
  front_.set_script_bytes({{{}, 0}, {{7, 8}, -4}, {{9}, 2}});
  EXPECT_EQ(front_.speak(host_a), 0x5EED);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{9}));
  EXPECT_EQ(front_.engine_state()->callback_results[0], 1);
  EXPECT_EQ(front_.engine_state()->callback_results[1], 1);

  reset_host();
  front_.set_script(split(speech(), 1024));
  EXPECT_EQ(front_.speak(nullptr), 0x5EED);
  front_.set_script({{1, 2}});
  front_.speak(host_a);
  EXPECT_EQ(delivered(), (std::vector<int16_t>{1, 2})) << "audio for a null host leaked on";
}

TEST_F(StageDll, UnsafeSpeedFactorsNeitherCrashNorHang) {
  const std::vector<int16_t> input(speech().begin(), speech().begin() + 22050);
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float speed;
    double effective;
  } cases[] = {{0.0f, 1.0}, {-1.0f, 1.0}, {std::numeric_limits<float>::quiet_NaN(), 1.0},
               {inf, 1.0},  {1e9f, 10.0}, {0.001f, 0.1}};
  for (const auto& c : cases) {
    reset_host();
    front_.setboost(c.speed);
    front_.set_script(split(input, 1024));
    front_.speak(host_a);
    expect_deliveries_well_formed();
    const double expected = input.size() / c.effective;
    EXPECT_NEAR(delivered().size(), expected, expected * 0.05 + 100) << "speed " << c.speed;
  }
}

}  // namespace
