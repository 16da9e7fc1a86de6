// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/DigiPath.h"

#include <algorithm>
#include <limits>

#include "base/SplitList.h"

namespace brevio {

Hops CountHops(std::string_view path) {
  const std::size_t items = SplitList(path, ',').size();
  // A path can hold more pieces than a 16-bit count; it is over the limit either way.
  const auto count = static_cast<std::int16_t>(
      std::min<std::size_t>(items, std::numeric_limits<std::int16_t>::max()));
  return {count, count > 0 ? "WIDE" : ""};
}

}  // namespace brevio
