// Failure reporting for the fuzz targets: prints what was got and what was
// expected, then aborts so that libFuzzer saves the input that led there.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                         \
  do {                                                                                     \
    if (!(condition)) {                                                                    \
      std::fprintf(stderr, "%s:%d: check failed: %s\n  ", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                                   \
      std::fprintf(stderr, "\n");                                                          \
      std::abort();                                                                        \
    }                                                                                      \
  } while (0)
