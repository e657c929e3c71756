// The binding's loader operations on the Windows loader (KERNEL32).
#pragma once

#include "../core/engine_binding.h"

namespace voxgate {
const LoaderOps& windows_loader() noexcept;
}
