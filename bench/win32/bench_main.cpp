// stage_bench: the benchmark of voxgate.dll under Wine. Prints its figures as Markdown tables;
// it checks nothing and fails only when it cannot run.
//
//   stage_bench --in SPEECH.wav [--minutes 10] [--reps 3] [--front DIR]
//
// The speech is repeated to at least --minutes of audio and played in 1024-sample engine chunks
// through the front (demo engine behind it) and through a bare Sonic loop of the same chunking in
// this process. Each figure is the best of --reps runs, front and bare runs interleaved so that
// machine noise hits both alike.
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "audio_sink.h"
#include "bare_sonic.h"
#include "call_cost.h"
#include "demo_engine.h"
#include "front_client.h"
#include "front_runs.h"
#include "settings_cost.h"
#include "wav_file.h"

namespace {

const float kSpeeds[] = {0.5f, 1.0f, 1.5f, 2.0f, 3.0f};
constexpr size_t kSpeedCount = sizeof kSpeeds / sizeof kSpeeds[0];
constexpr uint32_t kChunk = kDemoChunkSamples;
constexpr uint32_t kCalls = 50000000;
constexpr uint32_t kSettingsReads = 5000;
constexpr double kMiB = 1024.0 * 1024.0;

struct Options {
  std::string input;
  std::string front_dir;
  double minutes = 10;
  int reps = 3;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--in")
      o.input = argv[i + 1];
    else if (arg == "--front")
      o.front_dir = argv[i + 1];
    else if (arg == "--minutes")
      o.minutes = std::atof(argv[i + 1]);
    else if (arg == "--reps")
      o.reps = std::atoi(argv[i + 1]);
    else
      return false;
  }
  return !o.input.empty() && o.minutes > 0 && o.reps > 0 && argc % 2 == 1;
}

template <typename Function>
Function entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

PROCESS_MEMORY_COUNTERS memory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

struct Row {
  double best[kSpeedCount];
  double ratio[kSpeedCount];  // output / input duration
  int32_t largest = 0;
  uint64_t odd = 0;
  Row() {
    std::fill(best, best + kSpeedCount, 1e30);
    std::fill(ratio, ratio + kSpeedCount, 0.0);
  }
  void add(size_t speed, double seconds, size_t input_samples) {
    best[speed] = std::min(best[speed], seconds);
    ratio[speed] =
        static_cast<double>(bench::g_sink.bytes / 2) / static_cast<double>(input_samples);
    largest = std::max(largest, bench::g_sink.largest);
    odd += bench::g_sink.odd;
  }
};

void print_header() {
  std::printf("| speed |");
  for (float s : kSpeeds) std::printf(" %.1f |", static_cast<double>(s));
  std::printf("\n|---|");
  for (size_t i = 0; i < kSpeedCount; ++i) std::printf("---:|");
  std::printf("\n");
}

void print_realtime(const char* name, const Row& row, double audio_seconds) {
  std::printf("| %s |", name);
  for (double t : row.best) std::printf(" %.0fx |", audio_seconds / t);
  std::printf("\n");
}

void print_cost(const char* name, const Row& row, const Row& bare) {
  std::printf("| %s |", name);
  for (size_t i = 0; i < kSpeedCount; ++i)
    std::printf(" %+.1f%% |", (row.best[i] / bare.best[i] - 1.0) * 100.0);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: stage_bench --in SPEECH.wav [--minutes 10] [--reps 3] [--front DIR]\n");
    return 2;
  }
  std::vector<int16_t> speech;
  std::string error;
  if (!voxwav::read_wav_file(o.input, speech, error) || speech.empty()) {
    std::fprintf(stderr, "stage_bench: %s\n", error.empty() ? "empty input" : error.c_str());
    return 1;
  }
  const auto wanted = static_cast<size_t>(o.minutes * 60 * voxwav::kSampleRate);
  std::vector<int16_t> input;
  input.reserve(wanted + speech.size());
  while (input.size() < wanted) input.insert(input.end(), speech.begin(), speech.end());
  const double audio_seconds = voxwav::duration_seconds(input.size());
  const size_t chunks = (input.size() + kChunk - 1) / kChunk;

  demo::FrontClient front;
  if (!demo::load_front(o.front_dir, front, error)) {
    std::fprintf(stderr, "stage_bench: %s\n", error.c_str());
    return 1;
  }
  HMODULE engine = GetModuleHandleA("voxgate2.dll");
  const PROCESS_MEMORY_COUNTERS before = memory();

  // Registry mode first: the first setboost/setvolume switches the front to memory mode for good.
  Row bare, registry, memory_mode, memory_scaled;
  SIZE_T peak_while_speaking = 0;
  std::fprintf(stderr, "registry mode");
  for (int rep = 0; rep < o.reps; ++rep) {
    for (size_t s = 0; s < kSpeedCount; ++s) {
      const auto percent = static_cast<uint32_t>(kSpeeds[s] * 100.0f + 0.5f);
      if (!demo::write_registry_settings(percent, 100, error)) {
        std::fprintf(stderr, "stage_bench: %s\n", error.c_str());
        return 1;
      }
      bench::reset_sink();
      registry.add(s, bench::run_front(front, input.data(), input.size(), kChunk), input.size());
      if (peak_while_speaking == 0) peak_while_speaking = memory().PeakWorkingSetSize;
      bench::reset_sink();
      bare.add(s, bench::run_bare_sonic(input.data(), input.size(), kChunk, kSpeeds[s]),
               input.size());
      std::fprintf(stderr, ".");
    }
  }
  std::fprintf(stderr, "\nmemory mode");
  for (int rep = 0; rep < o.reps; ++rep) {
    for (size_t s = 0; s < kSpeedCount; ++s) {
      front.set_boost(kSpeeds[s]);
      front.set_volume(1.0f);
      bench::reset_sink();
      memory_mode.add(s, bench::run_front(front, input.data(), input.size(), kChunk), input.size());
      bench::reset_sink();
      bare.add(s, bench::run_bare_sonic(input.data(), input.size(), kChunk, kSpeeds[s]),
               input.size());
      front.set_volume(0.5f);
      bench::reset_sink();
      memory_scaled.add(s, bench::run_front(front, input.data(), input.size(), kChunk),
                        input.size());
      std::fprintf(stderr, ".");
    }
  }
  std::fprintf(stderr, "\ncalls and settings reads\n");

  const auto direct = entry<bench::IdleEntry>(engine, "spcSynInit");
  const auto forwarded = entry<bench::IdleEntry>(front.module, "spcSynInit");
  double direct_ns = 1e30, forwarded_ns = 1e30;
  for (int rep = 0; rep < 5; ++rep) {
    direct_ns = std::min(direct_ns, bench::ns_per_call(direct, kCalls));
    forwarded_ns = std::min(forwarded_ns, bench::ns_per_call(forwarded, kCalls));
  }
  demo::write_registry_settings(150, 100, error);
  double read_us = 1e30;
  for (int rep = 0; rep < o.reps; ++rep)
    read_us = std::min(read_us, bench::registry_read_microseconds(kSettingsReads));
  const PROCESS_MEMORY_COUNTERS after = memory();

  std::printf("### Stage throughput under Wine\n\n");
  std::printf(
      "%.1f s of speech (repeated espeak-ng output) in %u-sample engine chunks, %zu chunks per "
      "run; best of %d runs; x realtime = seconds of input audio per second of processing.\n\n",
      audio_seconds, kChunk, chunks, o.reps);
  print_header();
  print_realtime("bare Sonic, same chunking", bare, audio_seconds);
  print_realtime("front, memory mode (volume 1.0)", memory_mode, audio_seconds);
  print_cost("front cost over bare, memory mode", memory_mode, bare);
  print_realtime("front, memory mode, volume 0.5", memory_scaled, audio_seconds);
  print_cost("cost over bare, memory mode, volume 0.5", memory_scaled, bare);
  print_realtime("front, registry mode (volume 100%)", registry, audio_seconds);
  print_cost("front cost over bare, registry mode", registry, bare);
  std::printf("| output / input duration (front, memory mode) |");
  for (double r : memory_mode.ratio) std::printf(" %.4f |", r);
  std::printf("\n\n");
  std::printf(
      "Largest delivery to the host: %d bytes (limit 22050); odd-sized deliveries: %llu.\n\n",
      std::max({registry.largest, memory_mode.largest, memory_scaled.largest}),
      static_cast<unsigned long long>(registry.odd + memory_mode.odd + memory_scaled.odd));
  bool goal_met = true;
  for (size_t s = 0; s < kSpeedCount; ++s)
    if (kSpeeds[s] != 1.0f && memory_mode.best[s] / bare.best[s] - 1.0 > 0.03) goal_met = false;
  std::printf(
      "Memory-mode goal (front at most 3%% over bare Sonic at 0.5, 1.5, 2.0 and 3.0): %s.\n\n",
      goal_met ? "met" : "MISSED");

  std::printf("### Forwarded call\n\n| call | ns per call |\n|---|---:|\n");
  std::printf("| engine's spcSynInit, called directly | %.2f |\n", direct_ns);
  std::printf("| voxgate.dll's spcSynInit (forwarding jmp) | %.2f |\n", forwarded_ns);
  std::printf("| difference | %.2f (goal: within 1 ns, %s) |\n\n", forwarded_ns - direct_ns,
              forwarded_ns - direct_ns <= 1.0 ? "met" : "MISSED");
  std::printf("Best of 5 loops of %u calls each; both include the same loop overhead.\n\n", kCalls);

  const double chunk_us = memory_mode.best[2] / static_cast<double>(chunks) * 1e6;
  const double chunk_real_us = kChunk * 1e6 / voxwav::kSampleRate;
  std::printf("### Settings read (registry mode)\n\n| figure | value |\n|---|---:|\n");
  std::printf("| one read: open key, read value, close (Wine registry) | %.1f us |\n", read_us);
  std::printf("| chunk processing time, memory mode, speed 1.5 | %.1f us |\n", chunk_us);
  std::printf("| share of a chunk's processing time in registry mode | %.0f%% |\n",
              read_us / (read_us + chunk_us) * 100.0);
  std::printf("| share of a chunk's real-time duration (%.1f ms) | %.3f%% |\n\n",
              chunk_real_us / 1000.0, read_us / chunk_real_us * 100.0);

  std::printf("### Memory under Wine\n\n| figure | MiB |\n|---|---:|\n");
  std::printf("| working set before speaking (holds the %.1f MiB input) | %.1f |\n",
              static_cast<double>(input.size() * 2) / kMiB,
              static_cast<double>(before.WorkingSetSize) / kMiB);
  std::printf("| peak working set after the first %.0f s request | %.1f |\n", audio_seconds,
              static_cast<double>(peak_while_speaking) / kMiB);
  std::printf("| peak working set at the end of the benchmark | %.1f |\n\n",
              static_cast<double>(after.PeakWorkingSetSize) / kMiB);
  FreeLibrary(front.module);
  return 0;
}
