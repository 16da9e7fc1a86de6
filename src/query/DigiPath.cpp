// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/DigiPath.h"

#include <limits>

namespace brevio {

std::vector<std::string> SplitList(std::string_view text, char delimiter) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(delimiter, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) items.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

Hops CountHops(std::string_view path) {
  const std::size_t items = SplitList(path, ',').size();
  // A path can hold more pieces than a 16-bit count; it is over the limit either way.
  const auto count = static_cast<std::int16_t>(
      std::min<std::size_t>(items, std::numeric_limits<std::int16_t>::max()));
  return {count, count > 0 ? "WIDE" : ""};
}

}  // namespace brevio
