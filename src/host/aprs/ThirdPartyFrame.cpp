// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/ThirdPartyFrame.h"

#include <string_view>

#include "host/aprs/Tnc2Line.h"

namespace brevio {

bool IsThirdParty(const Tnc2Frame& frame) {
  return frame.info.starts_with('}');
}

std::optional<Tnc2Frame> UnwrapThirdParty(const Tnc2Frame& outer) {
  if (!IsThirdParty(outer)) return std::nullopt;
  std::optional<Tnc2Frame> inner =
      ParseTnc2Line(std::string_view(outer.info).substr(1), CallSignRule::AprsIs);
  if (!inner || IsThirdParty(*inner)) return std::nullopt;
  inner->path = outer.path;
  return inner;
}

}  // namespace brevio
