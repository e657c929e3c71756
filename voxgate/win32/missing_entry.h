// What a forwarded export runs when the engine module lacks its name.
#pragma once

extern "C" {
// Raises the non-continuable structured exception VOXGATE_EXCEPTION_NO_ENGINE_ENTRY. Reached by
// the thunk's jump, with the host's arguments still on the stack; it never returns.
[[noreturn]] void voxgate_missing_entry();
}
