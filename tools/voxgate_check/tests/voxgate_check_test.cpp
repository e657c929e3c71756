// voxgate-check.exe run on installs laid out in temporary directories: a good one, one without
// its engine, one whose engine lacks names, one without the front; and its settings report for
// the registry contents a user can leave behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "pe_tables.h"
#include "run_program.h"
#include "voxgate.h"

namespace {

std::string bin_dir() { return vox_test::exe_directory(); }
std::string front_file() { return bin_dir() + "voxgate.dll"; }
std::string full_engine_file() { return bin_dir() + "..\\demo-install\\voxgate2.dll"; }
std::string partial_engine_file() {
  return bin_dir() + "..\\check_fixtures\\partial_engine\\voxgate2.dll";
}

// A fresh directory under the temporary directory holding copies of `files` (source, name).
std::string make_install(const std::string& name,
                         const std::vector<std::pair<std::string, std::string>>& files) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "voxgate_check_" + name;
  CreateDirectoryA(dir.c_str(), nullptr);
  for (const char* stale : {"voxgate.dll", "voxgate2.dll"})
    DeleteFileA((dir + "\\" + stale).c_str());
  for (const auto& [source, target] : files)
    EXPECT_TRUE(CopyFileA(source.c_str(), (dir + "\\" + target).c_str(), FALSE))
        << "copy " << source << ": error " << GetLastError();
  return dir;
}

vox_test::ProgramRun check(const std::string& dir) {
  const vox_test::ProgramRun run =
      vox_test::run_program("\"" + bin_dir() + "voxgate-check.exe\" \"" + dir + "\"");
  EXPECT_TRUE(run.started) << "voxgate-check.exe did not start";
  return run;
}

void expect_lines(const vox_test::ProgramRun& run, const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    EXPECT_NE(run.output.find(line + "\n"), std::string::npos)
        << "expected the line \"" << line << "\" in the report:\n"
        << run.output;
}

TEST(VoxgateCheckInstall, GoodInstallLoadsWithAllTwelveEntryPoints) {
  const std::string dir =
      make_install("good", {{front_file(), "voxgate.dll"}, {full_engine_file(), "voxgate2.dll"}});
  const vox_test::ProgramRun run = check(dir);
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  expect_lines(run, {"front:   " + dir + "\\voxgate.dll", "  version: " VOXTOOLS_VERSION,
                     "  loads:   yes", "engine:  " + dir + "\\voxgate2.dll", "  file:    present",
                     "  entry points: 12 of 12 exported", "    yes  SynSpeak",
                     "    yes  spcSynTerm", "result:  ready"});
}

TEST(VoxgateCheckInstall, MissingEngineMeansTheFrontWouldNotLoad) {
  const std::string dir = make_install("no_engine", {{front_file(), "voxgate.dll"}});
  const vox_test::ProgramRun run = check(dir);
  EXPECT_EQ(run.exit_code, 1u) << run.output;
  expect_lines(run, {"engine:  " + dir + "\\voxgate2.dll", "  file:    MISSING",
                     "result:  NOT READY: the front would not load (its engine voxgate2.dll is "
                     "missing)"});
  EXPECT_NE(run.output.find("  loads:   NO (error "), std::string::npos) << run.output;
}

TEST(VoxgateCheckInstall, EngineLackingNamesIsListedNameByName) {
  const std::string dir = make_install(
      "partial", {{front_file(), "voxgate.dll"}, {partial_engine_file(), "voxgate2.dll"}});
  const vox_test::ProgramRun run = check(dir);
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  expect_lines(run, {"  loads:   yes", "  entry points: 3 of 12 exported", "    NO   SynSpeak",
                     "    NO   spcSynCntl", "    yes  spcSynInit", "    yes  spcSynSpeak",
                     "    yes  spcSynTerm", "    NO   spcSynSpeakEx"});
  EXPECT_NE(run.output.find("result:  ready, but the engine lacks 9 entry point(s)"),
            std::string::npos)
      << run.output;
}

TEST(VoxgateCheckInstall, DirectoryWithoutTheFrontIsReportedAndFails) {
  const std::string dir = make_install("empty", {});
  const vox_test::ProgramRun run = check(dir);
  EXPECT_EQ(run.exit_code, 1u) << run.output;
  expect_lines(run, {"  file:    MISSING",
                     "result:  NOT READY: the front would not load (voxgate.dll is not there)"});
}

// Settings as a user's registry can hold them, and the factors the front reads from them.
struct StoredSettings {
  const char* name;
  bool key;
  std::vector<std::pair<const char*, std::vector<BYTE>>> values;  // REG_DWORD when 4 bytes
  const char* speed_line;
  const char* volume_line;
};

std::vector<BYTE> dword(DWORD v) { return {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)}; }

const StoredSettings kStoredSettings[] = {
    {"percentages",
     true,
     {{"speed", dword(150)}, {"volume", dword(50)}},
     "  speed:  1.50  (REG_DWORD 150)",
     "  volume: 0.50  (REG_DWORD 50)"},
    {"zero counts as 100",
     true,
     {{"speed", dword(0)}, {"volume", dword(300)}},
     "  speed:  1.00  (REG_DWORD 0 (0 counts as 100))",
     "  volume: 3.00  (REG_DWORD 300)"},
    {"values missing", true, {}, "  speed:  1.00  (missing)", "  volume: 1.00  (missing)"},
    {"longer than 4 bytes",
     true,
     {{"speed", {200, 0, 0, 0, 0}}, {"volume", dword(80)}},
     "  speed:  1.00  (5 bytes, longer than 4)",
     "  volume: 0.80  (REG_DWORD 80)"},
    {"two bytes",
     true,
     {{"speed", {0x2C, 0x01}}},
     "  speed:  3.00  (type 3, 2 bytes)",
     "  volume: 1.00  (missing)"},
    {"key missing", false, {}, "  speed:  1.00  (key missing)", "  volume: 1.00  (key missing)"},
};

TEST(VoxgateCheckSettings, ReportsTheFactorsTheFrontWouldRead) {
  const std::string dir = make_install(
      "settings", {{front_file(), "voxgate.dll"}, {full_engine_file(), "voxgate2.dll"}});
  for (const StoredSettings& stored : kStoredSettings) {
    RegDeleteKeyA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY);
    if (stored.key) {
      HKEY key = nullptr;
      ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, &key, nullptr),
                ERROR_SUCCESS);
      for (const auto& [value, data] : stored.values)
        RegSetValueExA(key, value, 0, data.size() == 4 ? REG_DWORD : REG_BINARY, data.data(),
                       static_cast<DWORD>(data.size()));
      RegCloseKey(key);
    }
    SCOPED_TRACE(stored.name);
    const vox_test::ProgramRun run = check(dir);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    expect_lines(run, {stored.speed_line, stored.volume_line});
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY);
}

}  // namespace
