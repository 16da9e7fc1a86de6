// SPDX-License-Identifier: GPL-3.0-or-later
// Raw GPS sentences as information fields.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/NmeaPosition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view info = fuzz::AsText(data, size);
  const std::optional<AprsPosition> position = ParseNmeaPosition(info);
  if (!position) return 0;
  fuzz::Require(std::fabs(position->latitude) <= 90 && std::fabs(position->longitude) <= 180,
                "a position read lies on the globe");
  fuzz::Require(position->ambiguity == 0 && position->symbolTable == kUnknownSymbolTable &&
                    position->symbolCode == kUnknownSymbolCode,
                "a sentence names no symbol and blurs nothing");
  if (info.find('*') != std::string_view::npos) return 0;
  // A sentence read without its checksum reads the same with the right one.
  int sum = 0;
  for (const char c : info.substr(1)) sum ^= static_cast<unsigned char>(c);
  char checksum[4];
  std::snprintf(checksum, sizeof checksum, "*%02X", sum);
  fuzz::Require(ParseNmeaPosition(std::string(info) + checksum) == position,
                "the right checksum changes nothing");
  return 0;
}
