#include "wav_file.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace voxwav {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr size_t kHeaderSize = 44;

uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
void put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
// A chunk or form tag: its four characters, no terminator.
void put_tag(uint8_t* p, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(tag[i]);
}

// Checks the "fmt " chunk body; on a mismatch says what the file holds instead.
bool check_format(const uint8_t* fmt, uint32_t size, std::string& error) {
  if (size < 16) {
    error = "its fmt chunk is " + std::to_string(size) + " bytes, too short";
    return false;
  }
  const uint16_t format = get16(fmt);
  const uint16_t channels = get16(fmt + 2);
  const uint32_t rate = get32(fmt + 4);
  const uint16_t bits = get16(fmt + 14);
  if (format == kFormatPcm && channels == kChannels && rate == kSampleRate &&
      bits == kBitsPerSample)
    return true;
  error = "it is format " + std::to_string(format) + ", " + std::to_string(channels) +
          " channel(s), " + std::to_string(rate) + " Hz, " + std::to_string(bits) +
          "-bit; 16-bit PCM mono at 22050 Hz is needed";
  return false;
}

}  // namespace

bool parse_wav(const uint8_t* data, size_t size, std::vector<int16_t>& samples,
               std::string& error) {
  samples.clear();
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
    error = "it is not a RIFF WAVE file";
    return false;
  }
  bool have_format = false;
  size_t pos = 12;
  while (pos + 8 <= size) {
    const uint8_t* chunk = data + pos;
    const uint32_t chunk_size = get32(chunk + 4);
    const size_t body = pos + 8;
    const size_t available = size - body;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (chunk_size > available) {
        error = "its fmt chunk is cut off";
        return false;
      }
      if (!check_format(data + body, chunk_size, error)) return false;
      have_format = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!have_format) {
        error = "its data chunk comes before any fmt chunk";
        return false;
      }
      const size_t bytes = chunk_size < available ? chunk_size : available;
      samples.resize(bytes / 2);
      for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(get16(data + body + 2 * i));
      return true;
    }
    // Chunks are padded to an even size.
    pos = body + chunk_size + (chunk_size & 1u);
  }
  error = have_format ? "it has no data chunk" : "it has no fmt chunk";
  return false;
}

std::vector<uint8_t> encode_wav(const int16_t* samples, size_t count) {
  const uint32_t data_bytes = static_cast<uint32_t>(count * 2);
  std::vector<uint8_t> out(kHeaderSize + data_bytes);
  uint8_t* h = out.data();
  put_tag(h, "RIFF");
  put32(h + 4, 36 + data_bytes);
  put_tag(h + 8, "WAVE");
  put_tag(h + 12, "fmt ");
  put32(h + 16, 16);
  put16(h + 20, kFormatPcm);
  put16(h + 22, kChannels);
  put32(h + 24, kSampleRate);
  put32(h + 28, kSampleRate * 2);  // bytes per second
  put16(h + 32, 2);                // bytes per sample frame
  put16(h + 34, kBitsPerSample);
  put_tag(h + 36, "data");
  put32(h + 40, data_bytes);
  for (size_t i = 0; i < count; ++i)
    put16(h + kHeaderSize + 2 * i, static_cast<uint16_t>(samples[i]));
  return out;
}

bool read_wav_file(const std::string& path, std::vector<int16_t>& samples, std::string& error) {
  samples.clear();
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) {
    error = "cannot open " + path + " for reading";
    return false;
  }
  std::vector<uint8_t> bytes;
  uint8_t block[65536];
  size_t got;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0)
    bytes.insert(bytes.end(), block, block + got);
  if (std::ferror(file.get())) {
    error = "cannot read " + path;
    return false;
  }
  std::string why;
  if (!parse_wav(bytes.data(), bytes.size(), samples, why)) {
    error = path + " cannot be used: " + why;
    return false;
  }
  return true;
}

bool write_wav_file(const std::string& path, const int16_t* samples, size_t count,
                    std::string& error) {
  const std::vector<uint8_t> bytes = encode_wav(samples, count);
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
      std::fflush(file.get()) != 0) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

double duration_seconds(size_t count) { return static_cast<double>(count) / kSampleRate; }

}  // namespace voxwav
