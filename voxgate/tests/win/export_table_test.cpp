// The export and import tables of the real voxgate.dll as the loader sees them.
#include <gtest/gtest.h>

#include "front_under_test.h"
#include "pe_tables.h"

namespace {

using win_test::FrontUnderTest;

TEST(ExportTable, FourteenUndecoratedNamesOnOrdinalsTwoToSixteen) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded()) << "error " << front.load_error();
  const vox_test::ExportTable table = vox_test::read_exports(front.front());
  EXPECT_EQ(table.dll_name, "voxgate.dll");
  EXPECT_EQ(table.ordinal_base, 2u);
  ASSERT_EQ(table.function_rvas.size(), 15u) << "ordinals 2 to 16";
  EXPECT_EQ(table.function_rvas[14 - 2], 0u) << "ordinal 14 carries nothing";

  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"SynSpeak", 15},      {"setboost", 12},    {"setvolume", 13},   {"spcSynCntl", 9},
      {"spcSynFlush", 8},    {"spcSynInit", 2},   {"spcSynPause", 5},  {"spcSynReadStat", 11},
      {"spcSynRepeat", 7},   {"spcSynResume", 6}, {"spcSynSelDev", 3}, {"spcSynSpeak", 4},
      {"spcSynSpeakEx", 16}, {"spcSynTerm", 10}};
  EXPECT_EQ(table.names, expected);
  for (const auto& [name, ordinal] : expected) {
    EXPECT_EQ(name.find('@'), std::string::npos) << "decorated name " << name;
    const FARPROC by_ordinal = GetProcAddress(front.front(), MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(by_ordinal, nullptr) << "ordinal " << ordinal;
    EXPECT_EQ(by_ordinal, GetProcAddress(front.front(), name.c_str())) << name;
  }
  for (WORD empty : {1, 14, 17})
    EXPECT_EQ(GetProcAddress(front.front(), MAKEINTRESOURCEA(empty)), nullptr)
        << "ordinal " << empty;
}

TEST(ExportTable, ImportsOnlyKernel32Advapi32AndTheCRuntime) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded());
  std::vector<std::string> imports = vox_test::read_imports(front.front());
  for (std::string& dll : imports)
    for (char& c : dll) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  std::sort(imports.begin(), imports.end());
  EXPECT_EQ(imports, (std::vector<std::string>{"ADVAPI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL"}));
}

TEST(ExportTable, CarriesAVersionResource) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded());
  HRSRC version = FindResourceA(front.front(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  EXPECT_NE(version, nullptr) << "no VERSIONINFO resource";
}

}  // namespace
