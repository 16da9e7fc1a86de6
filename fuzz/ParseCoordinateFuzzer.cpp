// SPDX-License-Identifier: GPL-3.0-or-later
// Coordinate texts as position reports, the settings and the object file write them.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "base/ParseCoordinate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const ParsedCoordinate parsed = ParseCoordinate(fuzz::AsText(data, size));
  if (parsed.wellFormed) {
    fuzz::Require(std::fabs(parsed.minutesOfArc) <= 180.0f * 60.0f,
                  "a well-formed coordinate lies on the globe");
  }
  return 0;
}
