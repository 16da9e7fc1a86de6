// SPDX-License-Identifier: GPL-3.0-or-later
// Frames as heard, APRS-IS routing left out and third-party frames unwrapped one level.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "FuzzInput.h"
#include "host/aprs/NetworkRouting.h"
#include "host/aprs/ThirdPartyFrame.h"
#include "host/aprs/Tnc2Line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  std::optional<Tnc2Frame> outer = ParseTnc2Line(fuzz::AsText(data, size), CallSignRule::AprsIs);
  if (!outer) return 0;
  DropNetworkRouting(outer->path);
  fuzz::Require(std::none_of(outer->path.begin(), outer->path.end(),
                             [](const Digipeater& d) { return IsQConstruct(d.call); }),
                "no q-construct is left in the path");
  const std::optional<Tnc2Frame> inner = UnwrapThirdParty(*outer);
  if (!IsThirdParty(*outer)) {
    fuzz::Require(!inner.has_value(), "only a third-party frame unwraps");
    return 0;
  }
  if (inner) {
    fuzz::Require(!IsThirdParty(*inner), "one level only");
    fuzz::Require(inner->path == outer->path, "the inner frame came the outer frame's hops");
    fuzz::Require(outer->info.ends_with(inner->info), "the inner information field is kept");
  }
  return 0;
}
