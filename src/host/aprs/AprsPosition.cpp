// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsPosition.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "host/aprs/CoordinateAxis.h"

namespace brevio {

namespace {

constexpr int kMaxAmbiguity = 4;
constexpr long kHundredthsPerDegree = 6000;
// Half the side of the area each ambiguity blurs, in hundredths of a minute.
constexpr std::array<long, kMaxAmbiguity + 1> kHalfBlur{0, 5, 50, 500, 3000};

std::size_t TextSize(const CoordinateAxis& axis) {
  return axis.degreeDigits + 6;
}

// Where the blanks of each ambiguity go: hundredths, tenths, minutes, tens of minutes.
std::array<std::size_t, kMaxAmbiguity> BlurredPlaces(const CoordinateAxis& axis) {
  const std::size_t d = axis.degreeDigits;
  return {d + 4, d + 3, d + 1, d};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char UpperCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// How many of the blurred places, from the last, hold a blank.
int CountBlanks(std::string_view text, const CoordinateAxis& axis) {
  int blanks = 0;
  for (const std::size_t place : BlurredPlaces(axis)) {
    if (text[place] != ' ') break;
    ++blanks;
  }
  return blanks;
}

std::optional<double> ReadCoordinate(std::string_view text, const CoordinateAxis& axis,
                                     int ambiguity) {
  const std::size_t d = axis.degreeDigits;
  // Some senders write the hemisphere in lower case; what it means is plain.
  const char letter = UpperCase(text.back());
  if (text[d + 2] != '.' || (letter != axis.positive && letter != axis.negative)) {
    return std::nullopt;
  }
  const std::array<std::size_t, kMaxAmbiguity> blurred = BlurredPlaces(axis);
  const auto blurredEnd = blurred.begin() + ambiguity;
  long value = 0;
  for (std::size_t place = 0; place < d + 5; ++place) {
    if (place == d + 2) continue;
    const char c = text[place];
    const bool isBlurred = std::find(blurred.begin(), blurredEnd, place) != blurredEnd;
    if (!IsDigit(c) && !(isBlurred && c == ' ')) return std::nullopt;
    // Six tens of minutes make a degree; every other place is worth ten of the next one down.
    value = value * (place == d ? 6 : 10) + (isBlurred ? 0 : c - '0');
    if (place == d && !isBlurred && c > '5') return std::nullopt;
  }
  value += kHalfBlur[static_cast<std::size_t>(ambiguity)];
  if (value > axis.maxDegrees * kHundredthsPerDegree) return std::nullopt;
  const double degrees = static_cast<double>(value) / static_cast<double>(kHundredthsPerDegree);
  return letter == axis.negative ? -degrees : degrees;
}

std::optional<std::string> WriteCoordinate(double degrees, const CoordinateAxis& axis,
                                           int ambiguity) {
  if (!std::isfinite(degrees) || std::fabs(degrees) > axis.maxDegrees) return std::nullopt;
  const long total = std::lround(std::fabs(degrees) * kHundredthsPerDegree);
  const long whole = total / kHundredthsPerDegree;
  const long minutes = total % kHundredthsPerDegree / 100;
  const long hundredths = total % 100;
  std::string text = std::to_string(whole);
  text.insert(0, axis.degreeDigits - text.size(), '0');
  text += static_cast<char>('0' + minutes / 10);
  text += static_cast<char>('0' + minutes % 10);
  text += '.';
  text += static_cast<char>('0' + hundredths / 10);
  text += static_cast<char>('0' + hundredths % 10);
  text += degrees < 0 ? axis.negative : axis.positive;
  const std::array<std::size_t, kMaxAmbiguity> blurred = BlurredPlaces(axis);
  for (int i = 0; i < ambiguity; ++i) text[blurred[static_cast<std::size_t>(i)]] = ' ';
  return text;
}

}  // namespace

bool IsAprsSymbolTable(char c) {
  return c == '/' || c == '\\' || IsDigit(c) || (c >= 'A' && c <= 'Z');
}

bool IsAprsSymbolCode(char c) {
  return c > ' ' && c < '\x7f';
}

std::optional<AprsPosition> ParseAprsPosition(std::string_view text) {
  if (text.size() != kAprsPositionSize) return std::nullopt;
  const std::string_view latitude = text.substr(0, TextSize(kLatitudeAxis));
  const std::string_view longitude =
      text.substr(TextSize(kLatitudeAxis) + 1, TextSize(kLongitudeAxis));
  AprsPosition position;
  position.symbolTable = text[TextSize(kLatitudeAxis)];
  position.symbolCode = text.back();
  if (!IsAprsSymbolTable(position.symbolTable) || !IsAprsSymbolCode(position.symbolCode)) {
    return std::nullopt;
  }
  position.ambiguity =
      std::max(CountBlanks(latitude, kLatitudeAxis), CountBlanks(longitude, kLongitudeAxis));
  const std::optional<double> lat = ReadCoordinate(latitude, kLatitudeAxis, position.ambiguity);
  const std::optional<double> lon = ReadCoordinate(longitude, kLongitudeAxis, position.ambiguity);
  if (!lat || !lon) return std::nullopt;
  position.latitude = *lat;
  position.longitude = *lon;
  return position;
}

std::optional<std::string> FormatAprsPosition(const AprsPosition& position) {
  if (position.ambiguity < 0 || position.ambiguity > kMaxAmbiguity ||
      !IsAprsSymbolTable(position.symbolTable) || !IsAprsSymbolCode(position.symbolCode)) {
    return std::nullopt;
  }
  const std::optional<std::string> lat =
      WriteCoordinate(position.latitude, kLatitudeAxis, position.ambiguity);
  const std::optional<std::string> lon =
      WriteCoordinate(position.longitude, kLongitudeAxis, position.ambiguity);
  if (!lat || !lon) return std::nullopt;
  std::string text = *lat + position.symbolTable + *lon + position.symbolCode;
  // A blurred area that reaches past a pole or the date line would not read back.
  if (!ParseAprsPosition(text)) return std::nullopt;
  return text;
}

}  // namespace brevio
