// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ParseCoordinate.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"

namespace brevio {

namespace {

// Characters `first` (1-based) to `first + count - 1` of `text`, as far as it reaches.
std::string_view Mid(std::string_view text, std::size_t first, std::size_t count) {
  if (first > text.size()) return {};
  return text.substr(first - 1, count);
}

int WholeValue(std::string_view digits) {
  return static_cast<int>(std::floor(LeadingDecimalNumber(digits)));
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

ParsedCoordinate ParseCoordinate(std::string_view text) {
  if (text.empty()) return {};
  const char letter = text.back();
  const std::string_view body = text.substr(0, text.size() - 1);
  // Without a point the whole text before the letter is the head and there is no tail.
  const std::size_t point = body.find('.');
  const std::string_view head = body.substr(0, point);
  const std::string_view tail =
      point == std::string_view::npos ? std::string_view() : body.substr(point + 1);

  const bool latitude = letter == 'N' || letter == 'S';
  const bool longitude = letter == 'E' || letter == 'W';
  const std::size_t degreeDigits = latitude ? 2 : 3;
  int degrees = 0;
  int minutes = 0;
  if (latitude || longitude) {
    degrees = WholeValue(Mid(head, 1, degreeDigits));
    minutes = WholeValue(Mid(head, degreeDigits + 1, 2));
  }
  // The sum is taken in full-width arithmetic: a 16-bit sum would overflow on 999 degrees.
  const double whole = degrees * 60.0 + minutes;
  double result = whole + LeadingDecimalNumber(tail) / 100.0;
  if (letter == 'S' || letter == 'W') result = -result;

  const int maxDegrees = latitude ? 90 : 180;
  const bool wellFormed = (latitude || longitude) && point != std::string_view::npos &&
                          head.size() == degreeDigits + 2 && AllDigits(head) && !tail.empty() &&
                          AllDigits(tail) && minutes < 60 && std::fabs(result) <= maxDegrees * 60.0;
  return {static_cast<float>(result), wellFormed};
}

}  // namespace brevio
