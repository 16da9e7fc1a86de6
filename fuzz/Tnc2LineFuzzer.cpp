// SPDX-License-Identifier: GPL-3.0-or-later
// TNC2 monitor lines, under both call sign rules: from a TNC's text mode and from APRS-IS.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/CallSign.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio::fuzz {
namespace {

// The call as AX.25 carries it: "-0" is SSID 0, which reads back without it.
std::string Ax25Form(const std::string& call) {
  const std::optional<Ax25CallSign> split = SplitAx25CallSign(call);
  Require(split.has_value(), "a call that fits AX.25 splits");
  return JoinAx25CallSign(split->base, split->ssid);
}

Tnc2Frame Ax25Form(Tnc2Frame frame) {
  frame.source = Ax25Form(frame.source);
  frame.destination = Ax25Form(frame.destination);
  for (Digipeater& digipeater : frame.path) digipeater.call = Ax25Form(digipeater.call);
  return frame;
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view line = fuzz::AsText(data, size);
  const std::optional<Tnc2Frame> radio = ParseTnc2Line(line, CallSignRule::Ax25);
  const std::optional<Tnc2Frame> internet = ParseTnc2Line(line, CallSignRule::AprsIs);

  if (internet) {
    fuzz::Require(ParseTnc2Line(FormatTnc2Line(*internet), CallSignRule::AprsIs) == internet,
                  "a line written from a frame reads back the same");
  }
  if (radio) {
    fuzz::Require(internet == radio, "what fits AX.25 reads the same from APRS-IS");
    const std::optional<std::string> encoded = EncodeAx25UiFrame(*radio);
    fuzz::Require(encoded.has_value(), "a line that fits AX.25 can be sent as a frame");
    fuzz::Require(DecodeAx25UiFrame(*encoded).frame == fuzz::Ax25Form(*radio),
                  "its frame decodes the same");
  }
  return 0;
}
