// The real demo host under Wine: bad input is refused with a message and a non-zero exit code,
// and a good run in each settings mode writes speech time-scaled by the asked speed.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "pe_tables.h"
#include "run_program.h"
#include "voxgate.h"
#include "wav_file.h"

namespace {

std::string host() { return vox_test::exe_directory() + "..\\demo-install\\demo_host.exe"; }

std::string temp_file(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "demo_host_test_" + name;
}

// Two seconds of a 220 Hz tone, as speech-like input the time-scaler can work on.
std::vector<int16_t> tone() {
  std::vector<int16_t> samples(2 * voxwav::kSampleRate);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] =
        static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * 220 * i / voxwav::kSampleRate));
  return samples;
}

std::string write_input(const std::string& name, void (*edit)(std::vector<uint8_t>&)) {
  const std::vector<int16_t> samples = tone();
  std::vector<uint8_t> bytes = voxwav::encode_wav(samples.data(), samples.size());
  if (edit != nullptr) edit(bytes);
  const std::string path = temp_file(name);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

vox_test::ProgramRun run_host(const std::string& args) {
  const vox_test::ProgramRun run = vox_test::run_program("\"" + host() + "\" " + args);
  EXPECT_TRUE(run.started) << host() << " did not start";
  return run;
}

struct BadRun {
  const char* name;
  std::string args;
  uint32_t exit_code;
  const char* message;
};

TEST(DemoHostRefusal, BadInputGetsAMessageAndANonZeroExit) {
  const std::string good = write_input("good.wav", nullptr);
  const std::string stereo = write_input("stereo.wav", [](std::vector<uint8_t>& b) { b[22] = 2; });
  const std::string rate = write_input("44100.wav", [](std::vector<uint8_t>& b) {
    b[24] = 0x44, b[25] = 0xAC, b[26] = 0;  // 44100
  });
  const std::string out = " --out \"" + temp_file("out.wav") + "\"";
  const std::string missing = temp_file("no_such.wav");
  // A directory with no voxgate.dll in it; no trailing backslash, which would escape the quote.
  std::string no_front = temp_file("");
  no_front.pop_back();
  CreateDirectoryA(no_front.c_str(), nullptr);

  const BadRun cases[] = {
      {"speed not a number", "--in \"" + good + "\" --speed fast" + out, 2,
       "demo_host: --speed must be a whole number of percent"},
      {"volume not a number", "--in \"" + good + "\" --volume 0.5" + out, 2,
       "demo_host: --volume must be a whole number of percent"},
      {"no input", out, 2, "demo_host: --in FILE.wav is required"},
      {"unreadable input", "--in \"" + missing + "\"" + out, 1, "cannot open"},
      {"stereo input", "--in \"" + stereo + "\"" + out, 1, "2 channel(s)"},
      {"44100 Hz input", "--in \"" + rate + "\"" + out, 1, "44100 Hz"},
      {"no front", "--in \"" + good + "\" --front \"" + no_front + "\"" + out, 1, "cannot load"},
  };
  for (const BadRun& bad : cases) {
    const vox_test::ProgramRun run = run_host(bad.args);
    EXPECT_EQ(run.exit_code, bad.exit_code) << bad.name << ":\n" << run.output;
    EXPECT_NE(run.output.find(bad.message), std::string::npos)
        << bad.name << ": expected \"" << bad.message << "\" in:\n"
        << run.output;
  }
}

DWORD stored_percent(const char* value) {
  DWORD data = 0;
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, value, RRF_RT_REG_DWORD, nullptr, &data,
                   &size) != ERROR_SUCCESS)
    return 0xFFFFFFFF;
  return data;
}

struct GoodRun {
  const char* mode;
  uint32_t speed_percent;
  uint32_t volume_percent;
};

TEST(DemoHostSpeech, OutputDurationFollowsTheSpeedInBothSettingsModes) {
  const std::string input = write_input("speech.wav", nullptr);
  const GoodRun runs[] = {{"", 200, 100}, {"--setters", 50, 50}, {"", 150, 200}};
  for (const GoodRun& good : runs) {
    RegDeleteKeyA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY);
    const std::string output = temp_file("speech_out.wav");
    DeleteFileA(output.c_str());
    const vox_test::ProgramRun run =
        run_host("--in \"" + input + "\" --out \"" + output + "\" --speed " +
                 std::to_string(good.speed_percent) + " --volume " +
                 std::to_string(good.volume_percent) + " " + good.mode);
    SCOPED_TRACE(std::string("mode '") + good.mode + "', speed " +
                 std::to_string(good.speed_percent));
    ASSERT_EQ(run.exit_code, 0u) << run.output;

    std::vector<int16_t> got;
    std::string error;
    ASSERT_TRUE(voxwav::read_wav_file(output, got, error)) << error;
    const double expected = 2.0 * 100 / good.speed_percent;
    EXPECT_NEAR(voxwav::duration_seconds(got.size()), expected, 0.05)
        << "output seconds, expected " << expected << "\n"
        << run.output;

    if (good.mode[0] == '\0') {  // the registry mode leaves the user's settings as asked
      EXPECT_EQ(stored_percent(VOXGATE_SPEED_VALUE), good.speed_percent);
      EXPECT_EQ(stored_percent(VOXGATE_VOLUME_VALUE), good.volume_percent);
    } else {
      EXPECT_EQ(stored_percent(VOXGATE_SPEED_VALUE), 0xFFFFFFFFu) << "setters wrote the registry";
    }
    // The loudest sample follows the volume (the tone peaks at 8000, well inside the range).
    int peak = 0;
    for (int16_t s : got) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_NEAR(peak, 8000.0 * good.volume_percent / 100, 8000.0 * good.volume_percent / 100 * 0.1)
        << "peak sample";
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY);
}

}  // namespace
