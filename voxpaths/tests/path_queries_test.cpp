// Copy-out rules and the path queries, on the portable code.
#include "path_queries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base_path.h"
#include "copy_out.h"

namespace {

constexpr char kCanary = '\x5A';

// A buffer with guard bytes after the given length, so writes beyond it show.
struct GuardedBuffer {
  explicit GuardedBuffer(uint32_t size) : bytes(size + 16, kCanary), length(size) {}
  char* data() { return bytes.data(); }
  std::string written() const { return std::string(bytes.data(), length); }
  bool guard_intact() const {
    for (std::size_t i = length; i < bytes.size(); ++i)
      if (bytes[i] != kCanary) return false;
    return true;
  }
  std::vector<char> bytes;
  uint32_t length;
};

std::string zeros(std::size_t n) { return std::string(n, '\0'); }

class PathQueries : public ::testing::Test {
 protected:
  void TearDown() override { voxpaths::release_base_path(); }
};

struct CopyCase {
  const char* label;
  std::string result;
  uint32_t length;
  std::string expected;  // the first `length` bytes after the call
  int32_t code;
};

TEST(CopyOut, FollowsTheBoundedCopyRules) {
  const std::string r = "C:\\base\\dict";  // 12 characters
  const CopyCase cases[] = {
      {"room for result and one zero", r, 13, r + zeros(1), 0},
      {"zero fill up to the length", r, 20, r + zeros(8), 0},
      {"exactly the result length is cut", r, 12, r.substr(0, 11) + zeros(1), 1},
      {"shorter than the result is cut", r, 5, r.substr(0, 4) + zeros(1), 1},
      {"length one holds only the zero", r, 1, zeros(1), 1},
      {"empty result is all zeros", "", 4, zeros(4), 0},
      {"empty result, length one", "", 1, zeros(1), 0},
  };
  for (const CopyCase& c : cases) {
    GuardedBuffer buffer(c.length);
    const std::string_view part = c.result;
    const int32_t code = voxpaths::copy_out(&part, 1, buffer.data(), c.length);
    EXPECT_EQ(code, c.code) << c.label;
    EXPECT_EQ(buffer.written(), c.expected) << c.label;
    EXPECT_TRUE(buffer.guard_intact()) << c.label << ": wrote beyond the length";
  }
}

TEST(CopyOut, LengthZeroWritesNothing) {
  char byte = kCanary;
  const std::string_view part = "abc";
  EXPECT_EQ(voxpaths::copy_out(&part, 1, &byte, 0), 0);
  EXPECT_EQ(byte, kCanary);
  EXPECT_EQ(voxpaths::copy_out(&part, 1, nullptr, 0), 0);
}

TEST(CopyOut, NullBufferWithLengthIsRefused) {
  const std::string_view part = "abc";
  EXPECT_EQ(voxpaths::copy_out(&part, 1, nullptr, 8), 1);
}

TEST(CopyOut, CutFallsInsideAnyPart) {
  const std::string_view parts[] = {"ab", "cd", "ef"};
  for (uint32_t length = 1; length <= 8; ++length) {
    GuardedBuffer buffer(length);
    const int32_t code = voxpaths::copy_out(parts, 3, buffer.data(), length);
    const std::string full = "abcdef";
    const std::size_t kept = length > 6 ? 6 : length - 1;
    EXPECT_EQ(code, length > 6 ? 0 : 1) << "length " << length;
    EXPECT_EQ(buffer.written(), full.substr(0, kept) + zeros(length - kept)) << "length " << length;
    EXPECT_TRUE(buffer.guard_intact()) << "length " << length;
  }
}

TEST_F(PathQueries, AnswerFromTheEmptyBasePathBeforeAnySetpath) {
  GuardedBuffer out(8);
  EXPECT_EQ(voxpaths::get_out_dir(out.data(), 8), 0);
  EXPECT_EQ(out.written(), zeros(8));

  GuardedBuffer data(16);
  EXPECT_EQ(voxpaths::get_data_dir(data.data(), 16), 0);
  EXPECT_EQ(data.written(), "\\dict" + zeros(11));

  GuardedBuffer unit(20);
  EXPECT_EQ(voxpaths::get_unit_dir(unit.data(), 20, 2), 0);
  EXPECT_EQ(unit.written(), "\\unit\\WFCF1000" + zeros(6));
}

TEST_F(PathQueries, BuildEachDirectoryByPlainConcatenation) {
  struct Case {
    const char* base;
    int kind;  // 0: data dir, -1: out dir, else unit kind
    std::string expected;
  } const cases[] = {
      {"C:\\voice", 0, "C:\\voice\\dict"},
      {"C:\\voice", -1, "C:\\voice"},
      {"C:\\voice", 1, "C:\\voice\\unit\\WFCM1000"},
      {"C:\\voice", 2, "C:\\voice\\unit\\WFCF1000"},
      {"C:\\voice\\", 0, "C:\\voice\\\\dict"},
      {"C:\\voice\\", 1, "C:\\voice\\\\unit\\WFCM1000"},
      {"/x y/\xE9", -1, "/x y/\xE9"},
  };
  for (const Case& c : cases) {
    voxpaths::set_path(c.base);
    GuardedBuffer buffer(64);
    const int32_t code = c.kind == 0    ? voxpaths::get_data_dir(buffer.data(), 64)
                         : c.kind == -1 ? voxpaths::get_out_dir(buffer.data(), 64)
                                        : voxpaths::get_unit_dir(buffer.data(), 64, c.kind);
    EXPECT_EQ(code, 0) << c.base << " kind " << c.kind;
    EXPECT_EQ(buffer.written(), c.expected + zeros(64 - c.expected.size()))
        << c.base << " kind " << c.kind;
  }
}

TEST_F(PathQueries, DataDirAroundTheResultLength) {
  const std::string base = "D:\\speech";  // n = 9, result n + 5 = 14
  voxpaths::set_path(base.c_str());
  const std::string result = base + "\\dict";
  const struct {
    uint32_t length;
    std::string expected;
    int32_t code;
  } cases[] = {
      {15, result + zeros(1), 0},                // n + 6: the result and one zero
      {14, result.substr(0, 13) + zeros(1), 1},  // n + 5: cut, still terminated
      {11, result.substr(0, 10) + zeros(1), 1},  // n + 2
      {200, result + zeros(186), 0},             // far larger: all zero after the result
  };
  for (const auto& c : cases) {
    GuardedBuffer buffer(c.length);
    EXPECT_EQ(voxpaths::get_data_dir(buffer.data(), c.length), c.code) << "length " << c.length;
    EXPECT_EQ(buffer.written(), c.expected) << "length " << c.length;
    EXPECT_TRUE(buffer.guard_intact()) << "length " << c.length;
  }
}

TEST_F(PathQueries, UnknownUnitKindsWriteNothingAndReturnOne) {
  voxpaths::set_path("C:\\voice");
  for (int32_t kind : {0, 3, -1, 0x7fffffff}) {
    GuardedBuffer buffer(32);
    EXPECT_EQ(voxpaths::get_unit_dir(buffer.data(), 32, kind), 1) << "kind " << kind;
    EXPECT_EQ(buffer.written(), std::string(32, kCanary)) << "kind " << kind;
    EXPECT_EQ(voxpaths::get_unit_dir(buffer.data(), 0, kind), 1) << "kind " << kind;
  }
  char untouched = kCanary;
  EXPECT_EQ(voxpaths::get_unit_dir(&untouched, 0, 1), 0);
  EXPECT_EQ(untouched, kCanary);
}

TEST_F(PathQueries, SetpathKeepsItsOwnCopyAndReplacesWholly) {
  char caller[] = "C:\\long\\base\\path";
  voxpaths::set_path(caller);
  std::memset(caller, 'X', sizeof caller - 1);
  GuardedBuffer first(32);
  voxpaths::get_out_dir(first.data(), 32);
  EXPECT_EQ(first.written(), std::string("C:\\long\\base\\path") + zeros(15));

  voxpaths::set_path("E:");
  GuardedBuffer second(8);
  voxpaths::get_out_dir(second.data(), 8);
  EXPECT_EQ(second.written(), "E:" + zeros(6));

  for (const char* empty : {"", static_cast<const char*>(nullptr)}) {
    voxpaths::set_path("C:\\x");
    voxpaths::set_path(empty);
    GuardedBuffer data(8);
    voxpaths::get_data_dir(data.data(), 8);
    EXPECT_EQ(data.written(), "\\dict" + zeros(3));
  }
}

TEST_F(PathQueries, NullBufferWithLengthWritesNothingAndReturnsOne) {
  voxpaths::set_path("C:\\voice");
  EXPECT_EQ(voxpaths::get_data_dir(nullptr, 16), 1);
  EXPECT_EQ(voxpaths::get_out_dir(nullptr, 16), 1);
  EXPECT_EQ(voxpaths::get_unit_dir(nullptr, 16, 1), 1);
  EXPECT_EQ(voxpaths::get_data_dir(nullptr, 0), 0);
}

TEST_F(PathQueries, SizeIsConstantAndSkipsNullPointers) {
  for (const char* base : {static_cast<const char*>(nullptr), "C:\\voice"}) {
    voxpaths::set_path(base);
    int32_t first = -7, second = -7;
    EXPECT_EQ(voxpaths::get_size(&first, &second), 0);
    EXPECT_EQ(first, 22);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(voxpaths::get_size(nullptr, &second), 0);
    EXPECT_EQ(voxpaths::get_size(&first, nullptr), 0);
    EXPECT_EQ(voxpaths::get_size(nullptr, nullptr), 0);
  }
}

}  // namespace
