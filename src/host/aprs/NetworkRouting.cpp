// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/NetworkRouting.h"

#include <algorithm>
#include <cctype>

namespace brevio {

bool IsQConstruct(const std::string& call) {
  return call.size() == 3 && (call[0] == 'q' || call[0] == 'Q') &&
         (call[1] == 'a' || call[1] == 'A') &&
         std::isalpha(static_cast<unsigned char>(call[2])) != 0;
}

void DropNetworkRouting(std::vector<Digipeater>& path) {
  const auto q = std::find_if(path.begin(), path.end(), [](const Digipeater& digipeater) {
    return IsQConstruct(digipeater.call);
  });
  path.erase(q, path.end());
}

}  // namespace brevio
