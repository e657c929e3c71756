// Wall-clock seconds from QueryPerformanceCounter, for the benchmark's timings.
#pragma once

#include <windows.h>

namespace bench {

inline double now_seconds() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace bench
