// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SplitList.h"

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

}  // namespace brevio
