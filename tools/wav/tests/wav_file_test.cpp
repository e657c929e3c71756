// The WAV reader and writer: what it writes reads back sample for sample, the chunk walk copes
// with what real writers leave in files, and every other format is refused with a reason.
#include "wav_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A canonical 44-byte header file holding `samples`, then edited by each test.
Bytes wav_of(const std::vector<int16_t>& samples) {
  return voxwav::encode_wav(samples.data(), samples.size());
}

const std::vector<int16_t> kSamples = {0, 1, -1, 32767, -32768, 1234, -4321};

TEST(WavRoundTrip, EncodedSamplesParseBackUnchanged) {
  const Bytes bytes = wav_of(kSamples);
  ASSERT_EQ(bytes.size(), 44u + 2 * kSamples.size());
  std::vector<int16_t> got;
  std::string error;
  ASSERT_TRUE(voxwav::parse_wav(bytes.data(), bytes.size(), got, error)) << error;
  EXPECT_EQ(got, kSamples);
}

TEST(WavRoundTrip, FileWrittenReadsBackUnchanged) {
  const std::string path = ::testing::TempDir() + "voxwav_round_trip.wav";
  std::string error;
  ASSERT_TRUE(voxwav::write_wav_file(path, kSamples.data(), kSamples.size(), error)) << error;
  std::vector<int16_t> got;
  ASSERT_TRUE(voxwav::read_wav_file(path, got, error)) << error;
  EXPECT_EQ(got, kSamples);
  std::remove(path.c_str());
}

TEST(WavRoundTrip, EmptyAudioIsAValidFile) {
  const Bytes bytes = voxwav::encode_wav(nullptr, 0);
  std::vector<int16_t> got = {5};
  std::string error;
  EXPECT_TRUE(voxwav::parse_wav(bytes.data(), bytes.size(), got, error)) << error;
  EXPECT_TRUE(got.empty());
}

TEST(WavChunkWalk, SkipsAnOddSizedChunkAndItsPadByteBeforeData) {
  const Bytes plain = wav_of(kSamples);
  // RIFF header + fmt chunk (36 bytes), then a 3-byte LIST chunk padded to 4, then data.
  Bytes bytes(plain.begin(), plain.begin() + 36);
  const uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  bytes.insert(bytes.end(), list, list + sizeof list);
  bytes.insert(bytes.end(), plain.begin() + 36, plain.end());
  std::vector<int16_t> got;
  std::string error;
  ASSERT_TRUE(voxwav::parse_wav(bytes.data(), bytes.size(), got, error)) << error;
  EXPECT_EQ(got, kSamples);
}

TEST(WavChunkWalk, DataSizeRunningPastTheEndReadsTheWholeSamplesPresent) {
  Bytes bytes = wav_of(kSamples);
  put32(bytes, 40, 0xFFFFFFFFu);  // what a writer streaming to a pipe leaves
  bytes.push_back(0x7F);          // half a sample at the end
  std::vector<int16_t> got;
  std::string error;
  ASSERT_TRUE(voxwav::parse_wav(bytes.data(), bytes.size(), got, error)) << error;
  EXPECT_EQ(got, kSamples);
}

struct BadFile {
  const char* name;
  void (*edit)(Bytes&);
  const char* reason;  // part of the message that must appear
};

const BadFile kBadFiles[] = {
    {"not RIFF", [](Bytes& b) { std::memcpy(b.data(), "RIFX", 4); }, "not a RIFF WAVE"},
    {"not WAVE", [](Bytes& b) { std::memcpy(b.data() + 8, "AVI ", 4); }, "not a RIFF WAVE"},
    {"stereo", [](Bytes& b) { b[22] = 2; }, "2 channel(s)"},
    {"44100 Hz", [](Bytes& b) { put32(b, 24, 44100); }, "44100 Hz"},
    {"8-bit", [](Bytes& b) { b[34] = 8; }, "8-bit"},
    {"float", [](Bytes& b) { b[20] = 3; }, "format 3"},
    {"short fmt", [](Bytes& b) { put32(b, 16, 14); }, "too short"},
    {"no data chunk", [](Bytes& b) { b.resize(36); }, "no data chunk"},
    {"data before fmt", [](Bytes& b) { std::memcpy(b.data() + 12, "junk", 4); }, "before any fmt"},
    {"fmt cut off", [](Bytes& b) { b.resize(30); }, "cut off"},
    {"too short for a header", [](Bytes& b) { b.resize(10); }, "not a RIFF WAVE"},
};

TEST(WavRefusal, EveryOtherFormatIsRefusedWithItsReason) {
  for (const BadFile& bad : kBadFiles) {
    Bytes bytes = wav_of(kSamples);
    bad.edit(bytes);
    std::vector<int16_t> got = {1, 2};
    std::string error;
    EXPECT_FALSE(voxwav::parse_wav(bytes.data(), bytes.size(), got, error)) << bad.name;
    EXPECT_TRUE(got.empty()) << bad.name << ": got " << got.size() << " samples, expected none";
    EXPECT_NE(error.find(bad.reason), std::string::npos)
        << bad.name << ": got message \"" << error << "\", expected it to contain \"" << bad.reason
        << "\"";
  }
}

TEST(WavRefusal, FileErrorsNameThePath) {
  std::vector<int16_t> got;
  std::string error;
  const std::string missing = ::testing::TempDir() + "voxwav_no_such_file.wav";
  EXPECT_FALSE(voxwav::read_wav_file(missing, got, error));
  EXPECT_NE(error.find(missing), std::string::npos) << "got \"" << error << "\"";

  const std::string stereo = ::testing::TempDir() + "voxwav_stereo.wav";
  Bytes bytes = wav_of(kSamples);
  bytes[22] = 2;
  FILE* f = std::fopen(stereo.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  EXPECT_FALSE(voxwav::read_wav_file(stereo, got, error));
  EXPECT_NE(error.find(stereo + " cannot be used"), std::string::npos) << "got \"" << error << "\"";
  std::remove(stereo.c_str());
}

}  // namespace
