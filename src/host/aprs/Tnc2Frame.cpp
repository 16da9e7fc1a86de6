// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/Tnc2Frame.h"

#include <algorithm>

namespace brevio {

void MarkEarlierDigipeatersRepeated(std::vector<Digipeater>& path) {
  const auto lastRepeated = std::find_if(path.rbegin(), path.rend(),
                                         [](const Digipeater& digi) { return digi.repeated; });
  std::for_each(lastRepeated, path.rend(), [](Digipeater& digi) { digi.repeated = true; });
}

}  // namespace brevio
