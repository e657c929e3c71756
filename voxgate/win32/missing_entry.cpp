#include "missing_entry.h"

#include <windows.h>

#include "voxgate.h"

extern "C" void voxgate_missing_entry() {
  RaiseException(VOXGATE_EXCEPTION_NO_ENGINE_ENTRY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  __builtin_trap();  // RaiseException does not return for a non-continuable exception
}
