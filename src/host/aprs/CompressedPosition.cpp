// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/CompressedPosition.h"

#include <algorithm>
#include <cmath>

namespace brevio {

namespace {

constexpr long kBase = 91;
constexpr char kZeroDigit = '!';
constexpr char kLastDigit = '{';
// Base-91 units a degree of latitude and of longitude.
constexpr double kLatitudeUnits = 380926;
constexpr double kLongitudeUnits = 190463;

bool IsBase91(char c) {
  return c >= kZeroDigit && c <= kLastDigit;
}

std::optional<long> ReadBase91(std::string_view digits) {
  long value = 0;
  for (const char c : digits) {
    if (!IsBase91(c)) return std::nullopt;
    value = value * kBase + (c - kZeroDigit);
  }
  return value;
}

// Overlay digits are sent as the letters a to j, since a digit there would begin an
// uncompressed latitude.
std::optional<char> ReadSymbolTable(char c) {
  if (c >= 'a' && c <= 'j') return static_cast<char>('0' + (c - 'a'));
  if (c == '/' || c == '\\' || (c >= 'A' && c <= 'Z')) return c;
  return std::nullopt;
}

bool IsExtension(std::string_view bytes) {
  return bytes.front() == ' ' || std::all_of(bytes.begin(), bytes.end(), IsBase91);
}

}  // namespace

std::optional<AprsPosition> ParseCompressedPosition(std::string_view text) {
  if (text.size() != kCompressedPositionSize) return std::nullopt;
  const std::optional<char> table = ReadSymbolTable(text[0]);
  const std::optional<long> y = ReadBase91(text.substr(1, 4));
  const std::optional<long> x = ReadBase91(text.substr(5, 4));
  const char code = text[9];
  if (!table || !y || !x || !IsAprsSymbolCode(code) || !IsExtension(text.substr(10))) {
    return std::nullopt;
  }
  AprsPosition position{90 - static_cast<double>(*y) / kLatitudeUnits,
                        static_cast<double>(*x) / kLongitudeUnits - 180, *table, code, 0};
  if (std::fabs(position.latitude) > 90 || std::fabs(position.longitude) > 180) {
    return std::nullopt;
  }
  return position;
}

}  // namespace brevio
