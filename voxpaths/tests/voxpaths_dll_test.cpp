// The real voxpaths.dll in the Windows loader: its export table, the cdecl convention of every
// entry point, and the answers through the exports.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "pe_tables.h"
#include "stack_probe.h"

namespace {

class VoxpathsDll : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = vox_test::exe_directory() + "voxpaths.dll";
    module_ = LoadLibraryA(path.c_str());
    ASSERT_NE(module_, nullptr) << "LoadLibrary(" << path << ") failed, error " << GetLastError();
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  const void* entry(const char* name) {
    return reinterpret_cast<const void*>(GetProcAddress(module_, name));
  }
  // Calls an export through the probe; checks that the caller removes the arguments (cdecl).
  uint32_t call(const char* name, std::initializer_list<uint32_t> args) {
    const void* fn = entry(name);
    EXPECT_NE(fn, nullptr) << name;
    if (fn == nullptr) return 0xDEADBEEF;
    const std::vector<uint32_t> list(args);
    uint32_t result = 0;
    const uint32_t removed =
        probe_call(fn, list.data(), static_cast<uint32_t>(list.size()), &result);
    EXPECT_EQ(removed, 0u) << name << " removed " << removed << " bytes of arguments: not cdecl";
    return result;
  }
  static uint32_t arg(const void* p) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
  }

  HMODULE module_ = nullptr;
};

TEST_F(VoxpathsDll, ExportsExactlyTheFiveNamesOnOrdinalsOneToFive) {
  const vox_test::ExportTable table = vox_test::read_exports(module_);
  EXPECT_EQ(table.dll_name, "voxpaths.dll");
  EXPECT_EQ(table.ordinal_base, 1u);
  ASSERT_EQ(table.function_rvas.size(), 5u);
  const std::vector<std::pair<std::string, uint32_t>> expected = {{"VFRegGetDataDir", 1},
                                                                  {"VFRegGetOutDir", 2},
                                                                  {"VFRegGetSize", 3},
                                                                  {"VFRegGetUnitDir", 4},
                                                                  {"setpath", 5}};
  EXPECT_EQ(table.names, expected);
  for (const auto& [name, ordinal] : expected) {
    const FARPROC by_ordinal = GetProcAddress(module_, MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(by_ordinal, nullptr) << "ordinal " << ordinal;
    EXPECT_EQ(by_ordinal, GetProcAddress(module_, name.c_str())) << name << " at " << ordinal;
  }
  EXPECT_EQ(GetProcAddress(module_, MAKEINTRESOURCEA(6)), nullptr);
}

TEST_F(VoxpathsDll, ImportsOnlySystemDlls) {
  const auto imports = vox_test::read_imports(module_);
  EXPECT_FALSE(imports.empty());
  for (const std::string& dll : imports)
    EXPECT_TRUE(vox_test::is_system_dll(dll)) << "imports " << dll;
}

TEST_F(VoxpathsDll, AnswersThroughTheCdeclExports) {
  char buffer[40];

  // Before any setpath the base path is empty.
  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(call("VFRegGetDataDir", {arg(buffer), 8}), 0u);
  EXPECT_EQ(std::string(buffer, 9), std::string("\\dict\0\0\0Z", 9));

  char base[] = "C:\\Voices\\";
  call("setpath", {arg(base)});
  std::memset(base, 'Q', sizeof base - 1);  // the library keeps its own copy

  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(call("VFRegGetUnitDir", {arg(buffer), 30, 1}), 0u);
  EXPECT_EQ(std::string(buffer), "C:\\Voices\\\\unit\\WFCM1000");
  EXPECT_TRUE(std::all_of(buffer + 24, buffer + 30, [](char c) { return c == 0; }));
  EXPECT_EQ(buffer[30], 'Z');

  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(call("VFRegGetUnitDir", {arg(buffer), 30, 3}), 1u);
  EXPECT_EQ(buffer[0], 'Z');

  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(call("VFRegGetOutDir", {arg(buffer), 6}), 1u);  // cut, still terminated
  EXPECT_EQ(std::string(buffer, 7), std::string("C:\\Vo\0Z", 7));

  int32_t first = 0, second = 0;
  EXPECT_EQ(call("VFRegGetSize", {arg(&first), arg(&second)}), 0u);
  EXPECT_EQ(first, 22);
  EXPECT_EQ(second, 1);

  call("setpath", {0});
  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(call("VFRegGetOutDir", {arg(buffer), 4}), 0u);
  EXPECT_EQ(std::string(buffer, 5), std::string("\0\0\0\0Z", 5));
}

TEST_F(VoxpathsDll, UnloadAndReloadStartsFromAnEmptyBasePath) {
  using SetPath = void(__cdecl*)(const char*);
  using GetOutDir = int32_t(__cdecl*)(char*, uint32_t);
  reinterpret_cast<SetPath>(entry("setpath"))("C:\\kept");
  FreeLibrary(module_);
  module_ = LoadLibraryA((vox_test::exe_directory() + "voxpaths.dll").c_str());
  ASSERT_NE(module_, nullptr);
  char buffer[8];
  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(reinterpret_cast<GetOutDir>(entry("VFRegGetOutDir"))(buffer, sizeof buffer), 0);
  EXPECT_EQ(std::string(buffer, 8), std::string(8, '\0'));
}

}  // namespace
