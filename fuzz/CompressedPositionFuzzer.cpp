// SPDX-License-Identifier: GPL-3.0-or-later
// Compressed positions: the 13 characters after the data type and time stamp.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/CompressedPosition.h"

namespace {

// The four base-91 digits of `units`, rounded to the nearest unit.
std::string Base91(double units) {
  long value = std::lround(units);
  std::string digits(4, ' ');
  for (std::size_t i = 4; i-- > 0; value /= 91) digits[i] = static_cast<char>('!' + value % 91);
  return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view text = fuzz::AsText(data, size);
  const std::optional<AprsPosition> position = ParseCompressedPosition(text);
  if (!position) return 0;
  fuzz::Require(std::fabs(position->latitude) <= 90 && std::fabs(position->longitude) <= 180,
                "a position read lies on the globe");
  fuzz::Require(position->ambiguity == 0, "a compressed position is exact");
  fuzz::Require(Base91((90 - position->latitude) * 380926) == text.substr(1, 4) &&
                    Base91((180 + position->longitude) * 190463) == text.substr(5, 4),
                "the degrees read encode back to the same digits");
  return 0;
}
