// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "base/Clock.h"

namespace brevio {

// The tick count `ms` milliseconds after `from`, wrapping as the tick count does.
inline std::int32_t TicksAfter(std::int32_t from, std::int32_t ms) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(from) +
                                   static_cast<std::uint32_t>(ms));
}

// The earlier of two deadlines, either of which may be missing.
inline std::optional<std::int32_t> EarlierDeadline(std::optional<std::int32_t> a,
                                                   std::optional<std::int32_t> b) {
  if (!a) return b;
  if (!b) return a;
  return TicksBetween(*a, *b) < 0 ? b : a;
}

}  // namespace brevio
