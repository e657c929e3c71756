// Bounded copy-out of a path into a caller's buffer.
//
// A result is the concatenation of a few text parts, N characters in all, copied into a buffer of
// L bytes:
//   - L == 0: nothing is written;               result kCopied
//   - N <  L: the N characters, then zero bytes up to byte L - 1;      result kCopied
//   - N >= L: the first L - 1 characters and one terminating zero;     result kCut
//   - a null buffer with L > 0: nothing is written;                    result kCut
// Bytes at L and beyond are never touched. The parts are copied straight into the buffer, so a
// query needs no storage of its own and cannot run out of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace voxpaths {

enum CopyResult : int32_t {
  kCopied = 0,  // the whole result and its terminator fit
  kCut = 1,     // the buffer was too small (or null): a shortened, terminated result
};

CopyResult copy_out(const std::string_view* parts, std::size_t part_count, char* buffer,
                    uint32_t length);

}  // namespace voxpaths
