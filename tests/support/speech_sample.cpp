#include "speech_sample.h"

#include <cstdio>
#include <cstring>

namespace vox_test {
namespace {

uint32_t le32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

std::string native_path(std::string path) {
#ifdef _WIN32
  // Under Wine the build tree is reached through drive Z:, the Unix root.
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
#endif
  return path;
}

}  // namespace

std::vector<int16_t> read_pcm_wav(const std::string& path) {
  std::vector<int16_t> samples;
  FILE* file = std::fopen(native_path(path).c_str(), "rb");
  if (file == nullptr) return samples;
  std::vector<unsigned char> bytes;
  unsigned char block[65536];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
    bytes.insert(bytes.end(), block, block + n);
  std::fclose(file);

  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return samples;
  bool format_ok = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const unsigned char* chunk = bytes.data() + at;
    std::size_t size = le32(chunk + 4);
    if (size > bytes.size() - at - 8) size = bytes.size() - at - 8;  // streamed writers
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
      format_ok = le16(chunk + 8) == 1 && le16(chunk + 10) == 1 && le32(chunk + 12) == 22050 &&
                  le16(chunk + 22) == 16;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!format_ok) return samples;
      samples.resize(size / 2);
      std::memcpy(samples.data(), chunk + 8, samples.size() * 2);
      return samples;
    }
    at += 8 + size + (size & 1);
  }
  return samples;
}

std::vector<int16_t> load_speech_sample() { return read_pcm_wav(VOX_SPEECH_WAV); }

}  // namespace vox_test
