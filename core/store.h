#pragma once
// A whole copy of the processor's values: one row of slots per page.

#include <array>
#include <cstdint>

#include "core/pages.h"

namespace aec {

using PageRow = std::array<int32_t, kSlotCount>;
using Store = std::array<PageRow, kPageCount>;

}  // namespace aec
