// The demo host: plays a WAV file of speech through voxgate.dll and the demo engine, as a speech
// application would, and writes what its audio callback receives to a WAV file.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "demo_engine.h"
#include "front_client.h"
#include "host_options.h"
#include "wav_file.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr double kProgressAfterSeconds = 60.0;  // shorter input finishes before anyone waits

struct Capture {
  std::vector<int16_t> samples;
  size_t deliveries = 0;
  int32_t largest = 0;
  size_t odd_deliveries = 0;
  size_t expected_samples = 0;  // for progress; 0 = no progress lines
  int next_progress_percent = 10;
};

Capture g_capture;

int32_t __stdcall capture_audio(int16_t* samples, int32_t bytes) {
  Capture& c = g_capture;
  ++c.deliveries;
  if (bytes > c.largest) c.largest = bytes;
  if (bytes % 2 != 0) ++c.odd_deliveries;
  if (samples != nullptr && bytes > 0)
    c.samples.insert(c.samples.end(), samples, samples + bytes / 2);
  if (c.expected_samples > 0) {
    const size_t percent = c.samples.size() * 100 / c.expected_samples;
    while (c.next_progress_percent <= 90 &&
           percent >= static_cast<size_t>(c.next_progress_percent)) {
      std::printf("  ... %d%%\n", c.next_progress_percent);
      std::fflush(stdout);
      c.next_progress_percent += 10;
    }
  }
  return 1;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "demo_host: %s\n", message.c_str());
  return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  demo::HostOptions options;
  std::string error;
  if (!demo::parse_host_options(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::fprintf(stderr, "demo_host: %s\n%s", error.c_str(), demo::kHostUsage);
    return kExitUsage;
  }
  if (options.help) {
    std::printf("%s", demo::kHostUsage);
    return 0;
  }

  std::vector<int16_t> input;
  if (!voxwav::read_wav_file(options.input, input, error)) return fail(error);
  const double speed = options.speed_percent / 100.0;
  const double volume = options.volume_percent / 100.0;

  demo::FrontClient front;
  if (!demo::load_front(options.front_dir, front, error)) return fail(error);

  if (options.use_setters) {
    front.set_boost(static_cast<float>(speed));
    front.set_volume(static_cast<float>(volume));
    std::printf("settings: setboost(%.2f), setvolume(%.2f)\n", speed, volume);
  } else {
    if (!demo::write_registry_settings(options.speed_percent, options.volume_percent, error))
      return fail(error);
    std::printf("settings: HKCU\\%s speed=%u volume=%u (REG_DWORD percent)\n", VOXGATE_SETTINGS_KEY,
                options.speed_percent, options.volume_percent);
  }

  const double input_seconds = voxwav::duration_seconds(input.size());
  g_capture.samples.reserve(static_cast<size_t>(static_cast<double>(input.size()) / speed) + 65536);
  if (input_seconds >= kProgressAfterSeconds)
    g_capture.expected_samples = static_cast<size_t>(static_cast<double>(input.size()) / speed);
  std::printf("speaking %.2f s of input in %u-sample engine chunks\n", input_seconds,
              kDemoChunkSamples);
  std::fflush(stdout);

  const auto input_address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(input.data()));
  const int32_t result = front.speak(input_address, static_cast<uint32_t>(input.size()),
                                     kDemoChunkSamples, 0, 0, capture_audio);
  FreeLibrary(front.module);
  if (result != 0) return fail("spcSynSpeak returned " + std::to_string(result));

  if (!voxwav::write_wav_file(options.output, g_capture.samples.data(), g_capture.samples.size(),
                              error))
    return fail(error);

  const double output_seconds = voxwav::duration_seconds(g_capture.samples.size());
  std::printf("input:   %.3f s\n", input_seconds);
  std::printf("output:  %.3f s in %zu deliveries, largest %d bytes%s\n", output_seconds,
              g_capture.deliveries, g_capture.largest,
              g_capture.odd_deliveries > 0 ? ", SOME ODD-SIZED" : "");
  if (output_seconds > 0)
    std::printf("speed:   %.3f measured (input / output duration), %.2f asked\n",
                input_seconds / output_seconds, speed);
  std::printf("written: %s\n", options.output.c_str());
  return 0;
}
