// Engine binding of the real voxgate.dll in the Windows loader: where the engine is looked for,
// engines that refuse or lack names, release at unload, and long install paths.
#include <gtest/gtest.h>

#include <string>

#include "front_under_test.h"
#include "pe_tables.h"
#include "run_program.h"
#include "stack_probe.h"

namespace {

using win_test::deploy_dir;
using win_test::FrontUnderTest;

DWORD WINAPI idle_thread(void*) { return 0; }

bool module_loaded(const std::string& path) { return GetModuleHandleA(path.c_str()) != nullptr; }

// Runs call_export.exe on a front and one of its exports; returns the child's exit code.
DWORD call_in_child(const std::string& front_path, const char* name) {
  const vox_test::ProgramRun run = vox_test::run_program(
      "\"" + vox_test::exe_directory() + "call_export.exe\" \"" + front_path + "\" " + name);
  return run.started ? run.exit_code : 0xFFFFFFFF;
}

TEST(Binding, LoadsTheEngineBesideItselfAndReleasesItAtUnload) {
  const std::string engine = deploy_dir("full") + "voxgate2.dll";
  {
    FrontUnderTest front;
    ASSERT_TRUE(front.loaded()) << "error " << front.load_error();
    EXPECT_TRUE(module_loaded(engine));
  }
  EXPECT_FALSE(module_loaded(engine)) << "engine still loaded after the front was unloaded";
}

TEST(Binding, AnEngineOnlyBesideTheHostProgramIsNotUsed) {
  ASSERT_NE(GetFileAttributesA((vox_test::exe_directory() + "voxgate2.dll").c_str()),
            INVALID_FILE_ATTRIBUTES)
      << "the fixture engine beside the host is missing";
  FrontUnderTest front("none");
  EXPECT_FALSE(front.loaded()) << "the front loaded without an engine in its own directory";
  EXPECT_FALSE(module_loaded(vox_test::exe_directory() + "voxgate2.dll"));
}

TEST(Binding, AnEngineThatRefusesItsAttachKeepsTheFrontFromLoading) {
  FrontUnderTest front("refuse");
  EXPECT_FALSE(front.loaded());
  EXPECT_FALSE(module_loaded(deploy_dir("refuse") + "voxgate2.dll"));
  EXPECT_FALSE(module_loaded(deploy_dir("refuse") + "voxgate.dll"));
}

TEST(Binding, MissingNamesLoadAndEndInADocumentedWay) {
  FrontUnderTest front("partial");
  ASSERT_TRUE(front.loaded()) << "error " << front.load_error();
  // Present names still work.
  uint32_t args[3] = {1, 2, 3}, result = 0;
  EXPECT_EQ(probe_call(front.entry("spcSynCntl"), args, 3, &result), 12u);
  EXPECT_EQ(result, fixture_result(1, args, 3));
  // spcSynSpeak without an engine spcSynSpeak refuses the request.
  front.setboost(1.0f);
  EXPECT_EQ(front.speak(win_test::host_a), VOXGATE_SPEAK_UNAVAILABLE);
  EXPECT_TRUE(win_test::g_deliveries.empty());

  const std::string path = deploy_dir("partial") + "voxgate.dll";
  for (const char* missing : {"SynSpeak", "spcSynPause"})
    EXPECT_EQ(call_in_child(path, missing), VOXGATE_EXCEPTION_NO_ENGINE_ENTRY) << missing;
  EXPECT_EQ(call_in_child(path, "spcSynFlush"), 0u) << "a present name, called in the child";
}

TEST(Binding, ThreadNotificationsLeaveTheBindingAlone) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded());
  HANDLE thread = CreateThread(nullptr, 0, idle_thread, nullptr, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  uint32_t result = 0;
  probe_call(front.entry("spcSynFlush"), nullptr, 0, &result);
  EXPECT_EQ(result, fixture_result(2, nullptr, 0));
}

TEST(Binding, RepeatedLoadAndUnloadReleasesTheEngineEachTime) {
  const std::string engine = deploy_dir("full") + "voxgate2.dll";
  for (int cycle = 0; cycle < 50; ++cycle) {
    {
      FrontUnderTest front;
      ASSERT_TRUE(front.loaded()) << "cycle " << cycle;
      front.setboost(1.5f);
      front.set_script({std::vector<int16_t>(3000, 100)});
      front.speak(win_test::host_a);
    }
    ASSERT_FALSE(module_loaded(engine)) << "cycle " << cycle;
  }
}

// A folder whose path, trailing backslash included, has exactly `length` characters, holding a
// copy of the front (under `front_name`) and the full test engine.
std::string long_install(std::size_t length, const char* front_name) {
  const std::string base = vox_test::exe_directory() + "longpath\\";
  CreateDirectoryA(base.c_str(), nullptr);
  const std::string dir = base + std::string(length - base.size() - 1, 'L') + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  CopyFileA((deploy_dir("full") + "voxgate.dll").c_str(), (dir + front_name).c_str(), FALSE);
  CopyFileA((deploy_dir("full") + "voxgate2.dll").c_str(), (dir + "voxgate2.dll").c_str(), FALSE);
  // A file named by the cut engine name must never be loaded instead.
  CopyFileA((deploy_dir("full") + "voxgate2.dll").c_str(), (dir + "voxgate2.dl").c_str(), FALSE);
  return dir;
}

TEST(Binding, EnginePathAtTheLengthLimit) {
  const struct {
    std::size_t dir_length;
    const char* front_name;
    bool loads;
  } cases[] = {
      {248, "vg.dll", true},
      {248, "voxgate.dll", true},  // own path of 259 characters, engine path of 260
      {249, "vg.dll", false},      // the engine name would be cut to "voxgate2.dl"
      {240, "voxgate.dll", true},
  };
  for (const auto& c : cases) {
    const std::string dir = long_install(c.dir_length, c.front_name);
    ASSERT_EQ(dir.size(), c.dir_length);
    HMODULE front = LoadLibraryA((dir + c.front_name).c_str());
    EXPECT_EQ(front != nullptr, c.loads) << "directory of " << c.dir_length << ", front "
                                         << c.front_name << ", error " << GetLastError();
    EXPECT_FALSE(module_loaded(dir + "voxgate2.dl")) << "the cut engine name was loaded";
    if (front != nullptr) {
      EXPECT_TRUE(module_loaded(dir + "voxgate2.dll"));
      FreeLibrary(front);
    }
  }
}

}  // namespace
