// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsPosition.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brevio {

namespace {

struct CoordinateLayout {
  std::size_t degreeDigits;
  char positive;
  char negative;
  int maxDegrees;
};

constexpr CoordinateLayout kLatitude{2, 'N', 'S', 90};
constexpr CoordinateLayout kLongitude{3, 'E', 'W', 180};
constexpr int kMaxAmbiguity = 4;
constexpr long kHundredthsPerDegree = 6000;
// Half the side of the area each ambiguity blurs, in hundredths of a minute.
constexpr std::array<long, kMaxAmbiguity + 1> kHalfBlur{0, 5, 50, 500, 3000};

std::size_t TextSize(const CoordinateLayout& layout) {
  return layout.degreeDigits + 6;
}

// Where the blanks of each ambiguity go: hundredths, tenths, minutes, tens of minutes.
std::array<std::size_t, kMaxAmbiguity> BlurredPlaces(const CoordinateLayout& layout) {
  const std::size_t d = layout.degreeDigits;
  return {d + 4, d + 3, d + 1, d};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char UpperCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// How many of the blurred places, from the last, hold a blank.
int CountBlanks(std::string_view text, const CoordinateLayout& layout) {
  int blanks = 0;
  for (const std::size_t place : BlurredPlaces(layout)) {
    if (text[place] != ' ') break;
    ++blanks;
  }
  return blanks;
}

std::optional<double> ReadCoordinate(std::string_view text, const CoordinateLayout& layout,
                                     int ambiguity) {
  const std::size_t d = layout.degreeDigits;
  // Some senders write the hemisphere in lower case; what it means is plain.
  const char letter = UpperCase(text.back());
  if (text[d + 2] != '.' || (letter != layout.positive && letter != layout.negative)) {
    return std::nullopt;
  }
  const std::array<std::size_t, kMaxAmbiguity> blurred = BlurredPlaces(layout);
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
  if (value > layout.maxDegrees * kHundredthsPerDegree) return std::nullopt;
  const double degrees = static_cast<double>(value) / static_cast<double>(kHundredthsPerDegree);
  return letter == layout.negative ? -degrees : degrees;
}

std::optional<std::string> WriteCoordinate(double degrees, const CoordinateLayout& layout,
                                           int ambiguity) {
  if (!std::isfinite(degrees) || std::fabs(degrees) > layout.maxDegrees) return std::nullopt;
  const long total = std::lround(std::fabs(degrees) * kHundredthsPerDegree);
  const long whole = total / kHundredthsPerDegree;
  const long minutes = total % kHundredthsPerDegree / 100;
  const long hundredths = total % 100;
  std::string text = std::to_string(whole);
  text.insert(0, layout.degreeDigits - text.size(), '0');
  text += static_cast<char>('0' + minutes / 10);
  text += static_cast<char>('0' + minutes % 10);
  text += '.';
  text += static_cast<char>('0' + hundredths / 10);
  text += static_cast<char>('0' + hundredths % 10);
  text += degrees < 0 ? layout.negative : layout.positive;
  const std::array<std::size_t, kMaxAmbiguity> blurred = BlurredPlaces(layout);
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
  const std::string_view latitude = text.substr(0, TextSize(kLatitude));
  const std::string_view longitude = text.substr(TextSize(kLatitude) + 1, TextSize(kLongitude));
  AprsPosition position;
  position.symbolTable = text[TextSize(kLatitude)];
  position.symbolCode = text.back();
  if (!IsAprsSymbolTable(position.symbolTable) || !IsAprsSymbolCode(position.symbolCode)) {
    return std::nullopt;
  }
  position.ambiguity =
      std::max(CountBlanks(latitude, kLatitude), CountBlanks(longitude, kLongitude));
  const std::optional<double> lat = ReadCoordinate(latitude, kLatitude, position.ambiguity);
  const std::optional<double> lon = ReadCoordinate(longitude, kLongitude, position.ambiguity);
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
      WriteCoordinate(position.latitude, kLatitude, position.ambiguity);
  const std::optional<std::string> lon =
      WriteCoordinate(position.longitude, kLongitude, position.ambiguity);
  if (!lat || !lon) return std::nullopt;
  std::string text = *lat + position.symbolTable + *lon + position.symbolCode;
  // A blurred area that reaches past a pole or the date line would not read back.
  if (!ParseAprsPosition(text)) return std::nullopt;
  return text;
}

}  // namespace brevio
