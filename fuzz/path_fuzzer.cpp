// Fuzzes the path queries: base paths of any bytes (set and replaced in any
// order), any buffer lengths (null buffers included) and unit kinds. Each
// answer is compared, byte for byte, with a straightforward model of the
// copy-out rules; kGuardBytes guard bytes after the buffer must come back
// unchanged, so no byte at the given length or beyond is written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "path_queries.h"

namespace {

constexpr std::size_t kGuardBytes = 16;
constexpr uint8_t kGuard = 0xCC;

enum class Query { kDataDir, kOutDir, kUnitDir };

// The model: the whole result text, or false for a kind that has no unit
// folder.
bool model_text(const std::string &base, Query query, int32_t kind, std::string *text) {
  switch (query) {
    case Query::kDataDir:
      *text = base + "\\dict";
      return true;
    case Query::kOutDir:
      *text = base;
      return true;
    case Query::kUnitDir:
      if (kind == 1)
        *text = base + "\\unit\\WFCM1000";
      else if (kind == 2)
        *text = base + "\\unit\\WFCF1000";
      else
        return false;
      return true;
  }
  return false;
}

// The model's result and buffer for a buffer of `length` bytes that started as
// `before`.
int32_t model_copy(const std::string &text, bool known, uint32_t length, bool null_buffer,
                   std::vector<uint8_t> *buffer) {
  if (!known) return 1;
  if (length == 0) return 0;
  if (null_buffer) return 1;
  const std::size_t n = text.size();
  if (n < length) {
    std::memcpy(buffer->data(), text.data(), n);
    std::memset(buffer->data() + n, 0, length - n);
    return 0;
  }
  std::memcpy(buffer->data(), text.data(), length - 1);
  (*buffer)[length - 1] = 0;
  return 1;
}

uint32_t consume_length(FuzzedDataProvider &in, std::size_t text_size, bool null_buffer) {
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return 0;
    case 1:
      return in.ConsumeIntegralInRange<uint32_t>(1, 16);
    case 2: {  // around the result's own length, where the cut begins
      const int64_t at = static_cast<int64_t>(text_size) + in.ConsumeIntegralInRange<int>(-2, 2);
      return static_cast<uint32_t>(at < 1 ? 1 : at);
    }
    default:  // a null buffer may claim any length; a real one is kept allocatable
      return null_buffer ? in.ConsumeIntegral<uint32_t>()
                         : in.ConsumeIntegralInRange<uint32_t>(1, 5000);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::string base;  // the model's base path
  voxpaths::set_path(nullptr);

  while (in.remaining_bytes() > 0) {
    if (in.ConsumeIntegralInRange<int>(0, 3) == 0) {  // setpath
      if (in.ConsumeIntegralInRange<int>(0, 7) == 0) {
        voxpaths::set_path(nullptr);
        base.clear();
      } else {
        const std::string bytes = in.ConsumeRandomLengthString(600);  // may hold zero bytes
        voxpaths::set_path(bytes.c_str());
        base = bytes.substr(0, std::strlen(bytes.c_str()));
      }
      continue;
    }

    const Query query = static_cast<Query>(in.ConsumeIntegralInRange<int>(0, 2));
    int32_t kind = 0;
    if (query == Query::kUnitDir)
      kind = in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(0, 3)
                              : in.ConsumeIntegral<int32_t>();
    std::string text;
    const bool known = model_text(base, query, kind, &text);
    const bool null_buffer = in.ConsumeIntegralInRange<int>(0, 7) == 0;
    const uint32_t length = consume_length(in, text.size(), null_buffer);
    const uint8_t fill = in.ConsumeIntegral<uint8_t>();

    const std::size_t room = null_buffer ? 0 : length;
    std::vector<uint8_t> got(room + kGuardBytes, fill);
    std::memset(got.data() + room, kGuard, kGuardBytes);
    std::vector<uint8_t> expected = got;
    char *buffer = null_buffer ? nullptr : reinterpret_cast<char *>(got.data());

    int32_t result = -1;
    switch (query) {
      case Query::kDataDir:
        result = voxpaths::get_data_dir(buffer, length);
        break;
      case Query::kOutDir:
        result = voxpaths::get_out_dir(buffer, length);
        break;
      case Query::kUnitDir:
        result = voxpaths::get_unit_dir(buffer, length, kind);
        break;
    }
    const int32_t expected_result = model_copy(text, known, length, null_buffer, &expected);

    FUZZ_CHECK(result == expected_result,
               "query %d kind %d, %zu-char result into %u bytes%s: returned "
               "%d; expected %d",
               static_cast<int>(query), kind, text.size(), length, null_buffer ? " (null)" : "",
               result, expected_result);
    for (std::size_t i = 0; i < got.size(); ++i)
      FUZZ_CHECK(got[i] == expected[i],
                 "query %d kind %d, %zu-char result into %u bytes: byte %zu is "
                 "0x%02x; expected "
                 "0x%02x%s",
                 static_cast<int>(query), kind, text.size(), length, i, got[i], expected[i],
                 i >= room ? " (guard byte beyond the length)" : "");
  }
  voxpaths::set_path(nullptr);
  return 0;
}
