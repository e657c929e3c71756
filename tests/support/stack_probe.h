// Calls a function through a plain `call` and reports how the stack pointer moved, so a test can
// tell which side removed the arguments (cdecl: the caller, stdcall: the callee).
#pragma once

#include <cstdint>

extern "C" {

// Pushes args[count - 1] .. args[0], calls fn, stores its EAX in *result (when not null) and
// returns the number of bytes the callee removed from the stack (0 for cdecl, 4 * count for
// stdcall).
uint32_t __cdecl probe_call(const void* fn, const uint32_t* args, uint32_t count, uint32_t* result);

// The return address that probe_call's `call` pushes: what a callee sees as its caller.
extern const char probe_return_site[];
}
