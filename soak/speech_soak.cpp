// speech_soak [SECONDS_OF_SPEECH]: speaks real speech through one loaded voxgate.dll, request
// after request, at speeds that change between requests. Fails when the total output strays
// more than 1% from the sum of input / speed, when a delivery is odd or above 22050 bytes, or
// when the working set grows after the warm-up requests.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "front_under_test.h"
#include "process_memory.h"
#include "speech_sample.h"

namespace {

uint64_t g_total_samples = 0;
int32_t g_largest = 0;
uint64_t g_bad_deliveries = 0;

int32_t __stdcall count_host(int16_t*, int32_t bytes) {
  g_total_samples += static_cast<uint64_t>(bytes / 2);
  if (bytes > g_largest) g_largest = bytes;
  if (bytes % 2 != 0 || bytes <= 0 || bytes > 22050) ++g_bad_deliveries;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const double wanted_seconds = argc > 1 ? std::atof(argv[1]) : 3600.0;
  const std::vector<int16_t> speech = vox_test::load_speech_sample();
  if (speech.empty()) {
    std::printf("FAIL: speech fixture missing\n");
    return 1;
  }
  win_test::FrontUnderTest front;
  if (!front.loaded()) {
    std::printf("FAIL: front did not load, error %lu\n", front.load_error());
    return 1;
  }
  front.set_script(win_test::split(speech, 1024));

  const float speeds[] = {0.5f, 0.8f, 1.0f, 1.25f, 1.5f, 2.0f, 3.0f};
  const double request_seconds = speech.size() / 22050.0;
  const long requests = static_cast<long>(std::ceil(wanted_seconds / request_seconds));
  const long warm_up = requests < 70 ? requests / 5 : 14;
  double expected_samples = 0;
  soak::ProcessFigures baseline = soak::process_figures();
  uint64_t peak_after_warm_up = 0;
  const DWORD start = GetTickCount();
  for (long r = 0; r < requests; ++r) {
    const float speed = speeds[r % 7];
    front.setboost(speed);
    front.speak(count_host);
    expected_samples += speech.size() / static_cast<double>(speed);
    const soak::ProcessFigures now = soak::process_figures();
    if (r + 1 == warm_up) baseline = now;
    if (r + 1 > warm_up && now.working_set > peak_after_warm_up)
      peak_after_warm_up = now.working_set;
  }
  const double wall = (GetTickCount() - start) / 1000.0;
  const double error = (g_total_samples - expected_samples) / expected_samples;
  const double growth = soak::grown_mib(baseline.working_set, peak_after_warm_up);
  std::printf(
      "%ld requests, %.0f s of speech in %.1f s (%.0fx realtime); output %.1f s, "
      "expected %.1f s (%+.3f%%); largest delivery %d bytes, %llu bad; working set "
      "after warm-up %.1f MiB, peak later %.1f MiB (%+.2f MiB)\n",
      requests, requests * request_seconds, wall, requests * request_seconds / wall,
      g_total_samples / 22050.0, expected_samples / 22050.0, error * 100, g_largest,
      static_cast<unsigned long long>(g_bad_deliveries), baseline.working_set / soak::kMiB,
      peak_after_warm_up / soak::kMiB, growth);
  int failures = 0;
  if (std::fabs(error) > 0.01) {
    std::printf("FAIL: output duration off by %+.3f%%\n", error * 100);
    ++failures;
  }
  if (g_bad_deliveries != 0) {
    std::printf("FAIL: %llu deliveries odd, empty or above 22050 bytes\n",
                static_cast<unsigned long long>(g_bad_deliveries));
    ++failures;
  }
  if (requests > warm_up && growth > 2.0) {
    std::printf("FAIL: working set grew by %.2f MiB after warm-up\n", growth);
    ++failures;
  }
  std::printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
  return failures == 0 ? 0 : 1;
}
