// Playback settings of the real voxgate.dll, seen through its output: the per-user registry
// values and the setters.
#include <gtest/gtest.h>

#include "front_under_test.h"
#include "speech_sample.h"

namespace {

using namespace win_test;

const std::vector<int16_t>& speech() {
  static const std::vector<int16_t> s = vox_test::load_speech_sample();
  return s;
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { delete_settings_key(); }
  void TearDown() override { delete_settings_key(); }

  // Volume as the front applies it to one sample of 1000, in a fresh front.
  static int16_t scaled_thousand() {
    FrontUnderTest front;
    EXPECT_TRUE(front.loaded());
    front.set_script({{1000}});
    front.speak(host_a);
    const std::vector<int16_t> out = delivered();
    EXPECT_EQ(out.size(), 1u) << "one sample in, one out";
    return out.size() == 1 ? out[0] : int16_t(-1);
  }
  // Output samples for the speech sample through a fresh front (speed 1.0 gives its length).
  static std::size_t output_length(void (*prepare)(const FrontUnderTest&)) {
    FrontUnderTest front;
    EXPECT_TRUE(front.loaded());
    if (prepare != nullptr) prepare(front);
    front.set_script(split(speech(), 1024));
    front.speak(host_a);
    return delivered().size();
  }
};

TEST_F(Settings, VolumeValueBecomesTheFactor) {
  const struct {
    const char* label;
    bool binary;
    DWORD dword;
    std::vector<uint8_t> bytes;
    int16_t expected;
  } cases[] = {
      {"no key", false, ~0u, {}, 1000},
      {"dword 50", false, 50, {}, 500},
      {"dword 200", false, 200, {}, 2000},
      {"dword 0 counts as 100", false, 0, {}, 1000},
      {"dword 33", false, 33, {}, 330},
      {"binary, no data", true, 0, {}, 1000},
      {"binary, one byte", true, 0, {50}, 500},
      {"binary, two bytes", true, 0, {0x2c, 0x01}, 3000},
      {"binary, three bytes", true, 0, {25, 0, 0}, 250},
      {"binary, four bytes", true, 0, {75, 0, 0, 0}, 750},
      {"binary, five bytes", true, 0, {50, 0, 0, 0, 0}, 1000},
      {"binary, eight bytes", true, 0, {50, 0, 0, 0, 0, 0, 0, 0}, 1000},
  };
  for (const auto& c : cases) {
    delete_settings_key();
    if (c.binary)
      set_setting_binary("volume", c.bytes);
    else if (c.dword != ~0u)
      set_setting_dword("volume", c.dword);
    EXPECT_EQ(scaled_thousand(), c.expected) << c.label;
  }
}

TEST_F(Settings, SpeedValueBecomesTheFactor) {
  ASSERT_FALSE(speech().empty());
  const double n = static_cast<double>(speech().size());
  const struct {
    const char* label;
    DWORD percent;
    double speed;
  } cases[] = {{"150", 150, 1.5},
               {"50", 50, 0.5},
               {"0 counts as 100", 0, 1.0},
               {"largest value, clamped by the front", 4294967295u, 10.0}};
  for (const auto& c : cases) {
    set_setting_dword("speed", c.percent);
    const double got = static_cast<double>(output_length(nullptr));
    EXPECT_NEAR(got, n / c.speed, n / c.speed * 0.03) << c.label;
  }
}

TEST_F(Settings, EitherSetterSwitchesToMemoryMode) {
  set_setting_dword("speed", 300);
  set_setting_dword("volume", 50);
  const double n = static_cast<double>(speech().size());
  // setvolume alone: speed is 1.0 whatever the key holds.
  EXPECT_NEAR(output_length([](const FrontUnderTest& f) { f.setvolume(0.5f); }), n, n * 0.01);
  // setboost alone: volume is 1.0 whatever the key holds.
  {
    FrontUnderTest front;
    front.setboost(2.0f);
    front.set_script({{1000}, std::vector<int16_t>(4000, 1000)});
    front.speak(host_a);
    const std::vector<int16_t> out = delivered();
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[out.size() / 2], 1000) << "volume from the key in memory mode";
  }
  // A new load starts again in registry mode.
  set_setting_dword("speed", 100);
  EXPECT_EQ(scaled_thousand(), 500);
}

TEST_F(Settings, ChangesInsideTheHostCallbackCountFromTheNextChunk) {
  set_setting_dword("volume", 100);
  {
    FrontUnderTest front;
    front.set_script({{1000}, {1000}, {1000}});
    g_inside_host = [] { set_setting_dword("volume", 50); };
    front.speak(host_a);
    EXPECT_EQ(delivered(), (std::vector<int16_t>{1000, 500, 500})) << "registry change";
  }
  {
    FrontUnderTest front;
    front.set_script({{1000}, {1000}, {1000}});
    g_inside_host = [] {
      static int calls = 0;
      if (++calls == 1) set_setting_dword("volume", 100);  // key back to 100, then a setter
      reinterpret_cast<voxgate_set_factor_fn>(
          GetProcAddress(GetModuleHandleA("voxgate.dll"), "setvolume"))(0.25f);
    };
    front.speak(host_a);
    EXPECT_EQ(delivered(), (std::vector<int16_t>{500, 250, 250})) << "setter in the callback";
  }
}

}  // namespace
