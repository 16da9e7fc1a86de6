// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brevio {

struct Hops {
  std::int16_t count = 0;
  std::string replyPath;  // "WIDE" when the request came over any digipeater, else empty
};

// The digipeater hops of a comma-separated path and the path to answer over.
Hops CountHops(std::string_view path);

// Requests that came over more hops than this are not answered.
inline constexpr std::int16_t kMaxHops = 2;

}  // namespace brevio
