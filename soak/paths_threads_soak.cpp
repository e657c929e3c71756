// paths_threads_soak [SECONDS] [THREADS]: queries voxpaths.dll from several threads at once
// while no setpath runs. Every answer must be the same correct path, zero-filled, with the
// bytes past the given length untouched.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pe_tables.h"

namespace {

using Query = int32_t(__cdecl*)(char*, uint32_t);
using UnitQuery = int32_t(__cdecl*)(char*, uint32_t, int32_t);
using SizeQuery = int32_t(__cdecl*)(int32_t*, int32_t*);

Query g_data_dir, g_out_dir;
UnitQuery g_unit_dir;
SizeQuery g_size;
const char kBase[] = "C:\\Program Files\\Speech\\Voices";
std::atomic<bool> g_stop{false};
std::atomic<uint64_t> g_queries{0}, g_wrong{0};

bool answer_is(const char* buffer, std::size_t length, const std::string& expected) {
  if (std::memcmp(buffer, expected.data(), expected.size()) != 0) return false;
  for (std::size_t i = expected.size(); i < length; ++i)
    if (buffer[i] != 0) return false;
  return buffer[length] == '#';  // the guard byte
}

DWORD WINAPI query_loop(void*) {
  const std::string base = kBase;
  const std::string data = base + "\\dict", male = base + "\\unit\\WFCM1000",
                    female = base + "\\unit\\WFCF1000";
  char buffer[97];
  uint64_t queries = 0, wrong = 0;
  while (!g_stop.load(std::memory_order_relaxed)) {
    std::memset(buffer, '#', sizeof buffer);
    wrong += g_data_dir(buffer, 96) != 0 || !answer_is(buffer, 96, data);
    std::memset(buffer, '#', sizeof buffer);
    wrong += g_out_dir(buffer, 96) != 0 || !answer_is(buffer, 96, base);
    std::memset(buffer, '#', sizeof buffer);
    wrong += g_unit_dir(buffer, 96, 1) != 0 || !answer_is(buffer, 96, male);
    std::memset(buffer, '#', sizeof buffer);
    wrong += g_unit_dir(buffer, 96, 2) != 0 || !answer_is(buffer, 96, female);
    int32_t a = 0, b = 0;
    wrong += g_size(&a, &b) != 0 || a != 22 || b != 1;
    queries += 5;
  }
  g_queries += queries;
  g_wrong += wrong;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  const int threads = argc > 2 ? std::atoi(argv[2]) : 4;
  HMODULE paths = LoadLibraryA((vox_test::exe_directory() + "voxpaths.dll").c_str());
  if (paths == nullptr) {
    std::printf("FAIL: voxpaths.dll did not load\n");
    return 1;
  }
  g_data_dir =
      reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(paths, "VFRegGetDataDir")));
  g_out_dir =
      reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(paths, "VFRegGetOutDir")));
  g_unit_dir = reinterpret_cast<UnitQuery>(
      reinterpret_cast<void*>(GetProcAddress(paths, "VFRegGetUnitDir")));
  g_size =
      reinterpret_cast<SizeQuery>(reinterpret_cast<void*>(GetProcAddress(paths, "VFRegGetSize")));
  reinterpret_cast<void(__cdecl*)(const char*)>(
      reinterpret_cast<void*>(GetProcAddress(paths, "setpath")))(kBase);

  std::vector<HANDLE> handles;
  for (int i = 0; i < threads; ++i)
    handles.push_back(CreateThread(nullptr, 0, query_loop, nullptr, 0, nullptr));
  Sleep(static_cast<DWORD>(seconds * 1000));
  g_stop = true;
  WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, INFINITE);
  for (HANDLE h : handles) CloseHandle(h);
  FreeLibrary(paths);

  std::printf("%d threads for %.1f s: %llu queries, %llu wrong answers\n", threads, seconds,
              static_cast<unsigned long long>(g_queries.load()),
              static_cast<unsigned long long>(g_wrong.load()));
  const bool ok = g_wrong == 0 && g_queries > 0;
  std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
  return ok ? 0 : 1;
}
