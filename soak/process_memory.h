// Figures of this process that a soak run watches for growth.
#pragma once

#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdint>

namespace soak {

struct ProcessFigures {
  uint64_t private_bytes;  // committed private memory
  uint64_t working_set;
  uint64_t peak_working_set;
  uint32_t handles;  // open handles, or the lowest free handle slot where the count is not kept
};

// Where the handle count is not kept (Wine answers 0), the lowest free handle slot stands in for
// it: handles that leak fill the low slots, so the first free one climbs with every leak.
inline uint32_t handle_figure() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
  HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  const uint32_t slot = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(probe)) / 4;
  CloseHandle(probe);
  return slot;
}

inline ProcessFigures process_figures() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  // PrivateUsage is what Windows reports; Wine leaves it 0 and reports the same in PagefileUsage.
  const uint64_t private_bytes =
      counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  return {private_bytes, counters.WorkingSetSize, counters.PeakWorkingSetSize, handle_figure()};
}

constexpr double kMiB = 1024.0 * 1024.0;

// Growth from `before` to `after`, signed, in MiB.
inline double grown_mib(uint64_t before, uint64_t after) {
  return (static_cast<double>(after) - static_cast<double>(before)) / kMiB;
}

}  // namespace soak
