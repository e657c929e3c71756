// Playback settings over a fake settings store: how stored percentages become factors, when the
// store is read, and memory mode after either setter.
#include "playback_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

// An in-memory settings key: value name -> raw data bytes.
struct FakeStore {
  bool key_exists = true;
  std::map<std::string, std::vector<uint8_t>> values;
  int opens = 0;
  int closes = 0;
  int reads = 0;
};
FakeStore g_fake;

bool fake_open(voxgate::SettingsKey* key) {
  if (!g_fake.key_exists) return false;
  ++g_fake.opens;
  *key = &g_fake;
  return true;
}
bool fake_read(voxgate::SettingsKey key, const char* name, uint8_t* data, uint32_t* size) {
  EXPECT_EQ(key, &g_fake);
  ++g_fake.reads;
  const auto it = g_fake.values.find(name);
  if (it == g_fake.values.end()) return false;
  if (it->second.size() > *size) return false;  // the registry's "more data"
  std::copy(it->second.begin(), it->second.end(), data);
  *size = static_cast<uint32_t>(it->second.size());
  return true;
}
void fake_close(voxgate::SettingsKey key) {
  EXPECT_EQ(key, &g_fake);
  ++g_fake.closes;
}
constexpr voxgate::SettingsStore kFakeStore = {fake_open, fake_read, fake_close};

std::vector<uint8_t> dword(uint32_t v) {
  return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
          static_cast<uint8_t>(v >> 24)};
}

class PlaybackSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fake = FakeStore();
    voxgate::reset_playback_settings();
    voxgate::use_settings_store(&kFakeStore);
  }
  void TearDown() override {
    EXPECT_EQ(g_fake.opens, g_fake.closes) << "a settings key was left open";
    voxgate::use_settings_store(nullptr);
    voxgate::reset_playback_settings();
  }
};

TEST_F(PlaybackSettings, StoredDataBecomesAFactor) {
  const struct {
    const char* label;
    std::vector<uint8_t> data;
    float expected;
  } cases[] = {
      {"150 percent", dword(150), 1.5f},
      {"50 percent", dword(50), 0.5f},
      {"200 percent", dword(200), 2.0f},
      {"33 percent rounds to single precision", dword(33), 0.330000013f},
      {"0 counts as 100", dword(0), 1.0f},
      {"largest value stays positive", dword(4294967295u),
       static_cast<float>(4294967295.0 / 100.0)},
      {"no data reads the preset 100", {}, 1.0f},
      {"one byte", {50}, 0.5f},
      {"two bytes, little-endian", {0x2c, 0x01}, 3.0f},
      {"three bytes", {0x10, 0x27, 0x00}, 100.0f},
      {"five bytes are too long", {50, 0, 0, 0, 0}, 1.0f},
      {"eight bytes are too long", std::vector<uint8_t>(8, 1), 1.0f},
  };
  for (const auto& c : cases) {
    g_fake.values = {{"speed", c.data}, {"volume", c.data}};
    EXPECT_EQ(voxgate::getboost(), c.expected) << c.label;
    EXPECT_EQ(voxgate::getvolume(), c.expected) << c.label;
  }
}

TEST_F(PlaybackSettings, MissingKeyOrValueOrStoreReadsOne) {
  EXPECT_EQ(voxgate::getboost(), 1.0f) << "missing values";
  g_fake.values = {{"speed", dword(150)}};
  EXPECT_EQ(voxgate::getvolume(), 1.0f) << "volume missing, speed present";
  g_fake.key_exists = false;
  EXPECT_EQ(voxgate::getboost(), 1.0f) << "missing key";
  voxgate::use_settings_store(nullptr);
  EXPECT_EQ(voxgate::getboost(), 1.0f) << "no store";
}

TEST_F(PlaybackSettings, EveryReadOpensQueriesAndClosesWithoutCaching) {
  g_fake.values = {{"volume", dword(50)}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(voxgate::getvolume(), 0.5f);
  g_fake.values["volume"] = dword(25);
  EXPECT_EQ(voxgate::getvolume(), 0.25f) << "a changed value counts from the next read";
  EXPECT_EQ(g_fake.opens, 6);
  EXPECT_EQ(g_fake.reads, 6);
  EXPECT_EQ(g_fake.closes, 6);
}

TEST_F(PlaybackSettings, EitherSetterSwitchesBothReadsToMemoryForGood) {
  g_fake.values = {{"speed", dword(300)}, {"volume", dword(50)}};
  voxgate::set_boost(2.0f);
  EXPECT_EQ(voxgate::getboost(), 2.0f);
  EXPECT_EQ(voxgate::getvolume(), 1.0f) << "never-set volume reads 1.0 whatever the key holds";
  EXPECT_EQ(g_fake.opens, 0) << "memory mode must not open the key";

  voxgate::set_volume(0.75f);
  EXPECT_EQ(voxgate::getvolume(), 0.75f);
  EXPECT_EQ(voxgate::getboost(), 2.0f) << "a setter replaces only its own value";

  voxgate::reset_playback_settings();
  voxgate::set_volume(0.5f);
  EXPECT_EQ(voxgate::getboost(), 1.0f) << "speed after setvolume alone";
  EXPECT_EQ(g_fake.opens, 0);
}

TEST_F(PlaybackSettings, SettersStoreAnyValueUnchanged) {
  for (float v : {0.0f, -1.0f, INFINITY, 1e9f}) {
    voxgate::set_boost(v);
    EXPECT_EQ(voxgate::getboost(), v);
  }
  voxgate::set_boost(NAN);
  EXPECT_TRUE(std::isnan(voxgate::getboost()));
}

}  // namespace
