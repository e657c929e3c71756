// Reading and writing the one audio format the speech path carries: RIFF WAVE, PCM, 16-bit,
// mono, 22050 Hz. Portable C++; the demo host and the benchmark use it on Windows, its unit tests
// run natively.
//
// The reader walks the RIFF chunks, so extra chunks (LIST, fact, ...) before or after "data" are
// skipped. A "data" chunk whose declared size runs past the end of the file (as a writer that
// streams to a pipe leaves it) is read up to the end of the file, whole samples only. Any other
// format is refused with a message that names what was found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace voxwav {

constexpr uint32_t kSampleRate = 22050;

// Parses a whole WAV image. On failure returns false, leaves `samples` empty and sets `error`.
bool parse_wav(const uint8_t* data, size_t size, std::vector<int16_t>& samples, std::string& error);

// The WAV image of `count` samples: a 44-byte header and the samples, little-endian.
std::vector<uint8_t> encode_wav(const int16_t* samples, size_t count);

// File forms of the two above; `error` names the path and the reason.
bool read_wav_file(const std::string& path, std::vector<int16_t>& samples, std::string& error);
bool write_wav_file(const std::string& path, const int16_t* samples, size_t count,
                    std::string& error);

// Seconds of audio in `count` samples at 22050 Hz.
double duration_seconds(size_t count);

}  // namespace voxwav
