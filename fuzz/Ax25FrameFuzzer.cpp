// SPDX-License-Identifier: GPL-3.0-or-later
// AX.25 UI frames as a KISS TNC passes them on (without their FCS).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/Tnc2Line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const Ax25Decoded decoded = DecodeAx25UiFrame(fuzz::AsText(data, size));
  fuzz::Require(decoded.frame.has_value() == decoded.fault.empty(),
                "a frame or a reason, never both or neither");
  if (!decoded.frame) return 0;
  const Tnc2Frame& frame = *decoded.frame;

  const std::optional<std::string> encoded = EncodeAx25UiFrame(frame);
  fuzz::Require(encoded.has_value(), "every frame decoded can be encoded");
  fuzz::Require(DecodeAx25UiFrame(*encoded).frame == frame, "an encoded frame decodes the same");
  fuzz::Require(ParseTnc2Line(FormatTnc2Line(frame), CallSignRule::Ax25) == frame,
                "a decoded frame's TNC2 line reads back the same");
  return 0;
}
