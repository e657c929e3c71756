// front_cycles_soak [CYCLES]: loads and unloads voxgate.dll (with the test engine beside it)
// CYCLES times, speaking a little each time, then voxpaths.dll as often, setting a path each time.
// Fails when the engine stays loaded after an unload, or when private memory or the handle count
// keep growing after the warm-up cycles.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "front_under_test.h"
#include "pe_tables.h"
#include "process_memory.h"

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int warm_up = cycles < 100 ? cycles / 5 : 50;
  const std::string engine = win_test::deploy_dir("full") + "voxgate2.dll";
  const std::vector<int16_t> audio(4096, 1000);

  soak::ProcessFigures baseline = soak::process_figures();
  int failures = 0;
  for (int cycle = 0; cycle < cycles; ++cycle) {
    {
      win_test::FrontUnderTest front;
      if (!front.loaded()) {
        std::printf("cycle %d: front did not load, error %lu\n", cycle, front.load_error());
        return 1;
      }
      front.setboost(1.5f);
      front.set_script(win_test::split(audio, 1024));
      front.speak(win_test::host_a);
    }
    win_test::reset_host();
    if (GetModuleHandleA(engine.c_str()) != nullptr) {
      std::printf("cycle %d: engine module still loaded after the front was unloaded\n", cycle);
      ++failures;
    }
    if (cycle + 1 == warm_up) baseline = soak::process_figures();
  }
  const soak::ProcessFigures end = soak::process_figures();
  const double private_growth = soak::grown_mib(baseline.private_bytes, end.private_bytes);
  const long handle_growth = static_cast<long>(end.handles) - static_cast<long>(baseline.handles);
  std::printf(
      "%d load/unload cycles; after %d warm-up cycles: private bytes %+.2f MiB "
      "(%.1f -> %.1f MiB), handles %+ld (%u -> %u)\n",
      cycles, warm_up, private_growth, baseline.private_bytes / soak::kMiB,
      end.private_bytes / soak::kMiB, handle_growth, baseline.handles, end.handles);
  // A leak of one stream (about 0.1 MiB of buffers) per cycle would show as many MiB here.
  if (private_growth > 1.0) {
    std::printf("FAIL: private memory grew by %.2f MiB\n", private_growth);
    ++failures;
  }
  if (handle_growth > 4) {
    std::printf("FAIL: %ld handles more than after warm-up\n", handle_growth);
    ++failures;
  }

  // voxpaths.dll: its base path copy must go with each unload too.
  const std::string paths_dll = vox_test::exe_directory() + "voxpaths.dll";
  const std::string long_path(4096, 'p');
  for (int cycle = 0; cycle < cycles; ++cycle) {
    HMODULE paths = LoadLibraryA(paths_dll.c_str());
    if (paths == nullptr) {
      std::printf("voxpaths cycle %d: did not load\n", cycle);
      return 1;
    }
    reinterpret_cast<void(__cdecl*)(const char*)>(
        reinterpret_cast<void*>(GetProcAddress(paths, "setpath")))(long_path.c_str());
    FreeLibrary(paths);
    if (cycle + 1 == warm_up) baseline = soak::process_figures();
  }
  const soak::ProcessFigures paths_end = soak::process_figures();
  const double paths_growth = soak::grown_mib(baseline.private_bytes, paths_end.private_bytes);
  const long paths_handles =
      static_cast<long>(paths_end.handles) - static_cast<long>(baseline.handles);
  std::printf(
      "voxpaths.dll: %d cycles with a 4 KiB base path; private bytes %+.2f MiB, "
      "handles %+ld\n",
      cycles, paths_growth, paths_handles);
  if (paths_growth > 1.0 || paths_handles > 4) {
    std::printf("FAIL: voxpaths.dll load/unload leaks\n");
    ++failures;
  }
  std::printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
  return failures == 0 ? 0 : 1;
}
