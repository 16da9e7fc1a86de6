// TNC2 monitor lines, under both call sign rules: from a TNC's text mode and from APRS-IS.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/Tnc2Line.h"

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
    fuzz::Require(DecodeAx25UiFrame(*encoded).frame == radio, "its frame decodes the same");
  }
  return 0;
}
