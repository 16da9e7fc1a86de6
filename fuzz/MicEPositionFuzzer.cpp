// SPDX-License-Identifier: GPL-3.0-or-later
// Mic-E reports: the destination address, ":", then the information field.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/MicEPosition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view text = fuzz::AsText(data, size);
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return 0;
  const std::optional<AprsPosition> position =
      ParseMicEPosition(text.substr(0, colon), text.substr(colon + 1));
  if (!position) return 0;
  fuzz::Require(std::fabs(position->latitude) <= 90 && std::fabs(position->longitude) <= 180,
                "a position read lies on the globe");
  // Mic-E carries hundredths of a minute and the ambiguity of the uncompressed form, so it is
  // one of the positions that form can write.
  const std::optional<std::string> written = FormatAprsPosition(*position);
  fuzz::Require(written.has_value(), "a position read can be written uncompressed");
  fuzz::Require(ParseAprsPosition(*written) == position,
                "its uncompressed text reads back the same");
  return 0;
}
