// Engine path and binding over a fake loader: where the engine is looked for, what a failed
// attach leaves behind, and the slot table.
#include "engine_binding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine_path.h"

namespace {

TEST(EnginePath, TakesTheDirectoryOfTheFrontsOwnFile) {
  const std::string dir248 = "C:\\" + std::string(244, 'd') + "\\";  // 248 with both backslashes
  const std::string dir249 = "C:\\" + std::string(245, 'd') + "\\";
  const struct {
    const char* label;
    std::string module_path;
    bool ok;
    std::string engine_path;
  } cases[] = {
      {"plain", "C:\\Program Files\\Speech\\voxgate.dll", true,
       "C:\\Program Files\\Speech\\voxgate2.dll"},
      {"renamed front", "D:\\a\\b\\front.dll", true, "D:\\a\\b\\voxgate2.dll"},
      {"last backslash counts", "C:\\x\\y.z\\w", true, "C:\\x\\y.z\\voxgate2.dll"},
      {"forward slashes are not separators", "C:\\a/b/voxgate.dll", true, "C:\\voxgate2.dll"},
      {"directory of 248 takes the whole name", dir248 + "v.dll", true, dir248 + "voxgate2.dll"},
      {"directory of 249 would cut the name", dir249 + "v.dll", false, ""},
      {"no backslash", "voxgate.dll", false, ""},
      {"empty", "", false, ""},
  };
  for (const auto& c : cases) {
    char out[voxgate::kEnginePathSize];
    const bool ok = voxgate::build_engine_path(c.module_path.c_str(),
                                               static_cast<uint32_t>(c.module_path.size()), out);
    EXPECT_EQ(ok, c.ok) << c.label;
    EXPECT_EQ(std::string(out), c.engine_path) << c.label;
  }
  char out[voxgate::kEnginePathSize];
  const std::string full = dir248 + "voxgate.dll";
  ASSERT_TRUE(voxgate::build_engine_path(full.c_str(), static_cast<uint32_t>(full.size()), out));
  EXPECT_EQ(std::string(out).size(), 260u);
}

TEST(EnginePath, RefusesAPathTheLoaderCouldNotFetchWhole) {
  char out[voxgate::kEnginePathSize];
  const std::string path = "C:\\" + std::string(256, 'x') + ".d";  // 261 characters
  EXPECT_FALSE(voxgate::build_engine_path(path.c_str(), 0, out)) << "fetch failed";
  EXPECT_FALSE(voxgate::build_engine_path(path.c_str(), voxgate::kModulePathSize, out))
      << "a path that filled the whole buffer was cut";
}

// A loader whose answers the test sets, recording what the binding asks of it.
struct FakeLoader {
  std::string module_path = "C:\\apps\\speech\\voxgate.dll";
  bool load_ok = true;
  std::vector<std::string> exported;  // names the fake engine has
  std::vector<std::string> loads, lookups;
  int releases = 0;
};
FakeLoader g_loader;
int g_engine_token;
void* const kEngineHandle = &g_engine_token;
char g_code[voxgate::kSlotCount];
char g_missing;

uint32_t fake_path(voxgate::ModuleHandle, char* buffer, uint32_t size) {
  const std::size_t n = std::min<std::size_t>(g_loader.module_path.size(), size);
  std::copy_n(g_loader.module_path.data(), n, buffer);
  if (n < size) buffer[n] = '\0';
  return static_cast<uint32_t>(n);
}
voxgate::ModuleHandle fake_load(const char* path) {
  g_loader.loads.emplace_back(path);
  return g_loader.load_ok ? kEngineHandle : nullptr;
}
voxgate::CodeAddress fake_lookup(voxgate::ModuleHandle module, const char* name) {
  EXPECT_EQ(module, kEngineHandle);
  g_loader.lookups.emplace_back(name);
  for (std::size_t i = 0; i < g_loader.exported.size(); ++i)
    if (g_loader.exported[i] == name) return &g_code[i];
  return nullptr;
}
void fake_release(voxgate::ModuleHandle module) {
  EXPECT_EQ(module, kEngineHandle);
  ++g_loader.releases;
}
constexpr voxgate::LoaderOps kFakeLoader = {fake_path, fake_load, fake_lookup, fake_release};

const std::vector<std::string> kAllNames = {"SynSpeak",     "spcSynCntl",    "spcSynFlush",
                                            "spcSynInit",   "spcSynPause",   "spcSynReadStat",
                                            "spcSynRepeat", "spcSynResume",  "spcSynSelDev",
                                            "spcSynSpeak",  "spcSynSpeakEx", "spcSynTerm"};

class EngineBinding : public ::testing::Test {
 protected:
  void SetUp() override { g_loader = FakeLoader(); }
  bool attach() { return voxgate::attach_front(kFakeLoader, nullptr, &g_missing); }
};

TEST_F(EngineBinding, LoadsTheEngineBesideTheFrontAndLooksUpAllNamesInSlotOrder) {
  g_loader.exported = kAllNames;
  ASSERT_TRUE(attach());
  EXPECT_EQ(g_loader.loads, std::vector<std::string>{"C:\\apps\\speech\\voxgate2.dll"});
  EXPECT_EQ(g_loader.lookups, kAllNames);
  for (uint32_t slot = 0; slot < voxgate::kSlotCount; ++slot) {
    EXPECT_EQ(voxgate_engine_slots[slot], &g_code[slot]) << kAllNames[slot];
    EXPECT_EQ(voxgate::kEngineEntryNames[slot], kAllNames[slot]);
  }
  EXPECT_EQ(voxgate::engine_module(), kEngineHandle);
  voxgate::detach_front(kFakeLoader);
  EXPECT_EQ(g_loader.releases, 1);
  EXPECT_EQ(voxgate::engine_module(), nullptr);
  voxgate::detach_front(kFakeLoader);
  EXPECT_EQ(g_loader.releases, 1) << "the engine is released once";
}

TEST_F(EngineBinding, NamesTheEngineLacksGetTheMissingEntryRoutine) {
  g_loader.exported = {"spcSynInit", "spcSynTerm"};
  ASSERT_TRUE(attach());
  for (uint32_t slot = 0; slot < voxgate::kSlotCount; ++slot) {
    const bool present = slot == voxgate::kSlotSpcSynInit || slot == voxgate::kSlotSpcSynTerm;
    EXPECT_EQ(voxgate_engine_slots[slot] == &g_missing, !present) << kAllNames[slot];
    EXPECT_NE(voxgate_engine_slots[slot], nullptr) << kAllNames[slot];
  }
  voxgate::detach_front(kFakeLoader);
  for (voxgate::CodeAddress slot : voxgate_engine_slots)
    EXPECT_EQ(slot, &g_missing) << "a call after detach must not reach the released engine";
}

TEST_F(EngineBinding, FailedAttachLoadsAndLooksUpNothingAndDetachReleasesNothing) {
  const struct {
    const char* label;
    std::string module_path;
    bool load_ok;
    std::size_t loads;
  } cases[] = {
      {"engine does not load", "C:\\apps\\voxgate.dll", false, 1},
      {"module path without backslash", "voxgate.dll", true, 0},
      {"module path cut", "C:\\" + std::string(300, 'p'), true, 0},
      {"directory too long", "C:\\" + std::string(246, 'p') + "\\v.dll", true, 0},
  };
  for (const auto& c : cases) {
    g_loader = FakeLoader();
    g_loader.module_path = c.module_path;
    g_loader.load_ok = c.load_ok;
    EXPECT_FALSE(attach()) << c.label;
    EXPECT_EQ(g_loader.loads.size(), c.loads) << c.label;
    EXPECT_TRUE(g_loader.lookups.empty()) << c.label;
    voxgate::detach_front(kFakeLoader);
    EXPECT_EQ(g_loader.releases, 0) << c.label;
  }
}

}  // namespace
