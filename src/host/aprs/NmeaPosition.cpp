// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/NmeaPosition.h"

#include <array>
#include <cstddef>
#include <vector>

#include "host/aprs/CoordinateAxis.h"

namespace brevio {

namespace {

// Where a sentence type keeps what the position needs.
struct SentenceLayout {
  std::string_view type;
  std::size_t fields;  // counting the sentence's name
  std::size_t latitude;
  std::size_t fix;
};

constexpr std::array<SentenceLayout, 3> kLayouts{{
    {"RMC", 12, 3, 2},
    {"GGA", 15, 2, 6},
    {"GLL", 7, 1, 6},
}};
constexpr std::size_t kNameSize = 6;  // $, talker, type

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

std::optional<int> HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

// The sentence between "$" and "*", once the checksum after "*", if any, matched it.
std::optional<std::string_view> CheckedBody(std::string_view info) {
  const std::size_t star = info.find('*');
  if (star == std::string_view::npos) return info.substr(1);
  std::string_view tail = info.substr(star + 1);
  while (!tail.empty() && (tail.back() == ' ' || tail.back() == '\r' || tail.back() == '\n')) {
    tail.remove_suffix(1);
  }
  if (tail.size() != 2) return std::nullopt;
  const std::optional<int> high = HexDigit(tail[0]);
  const std::optional<int> low = HexDigit(tail[1]);
  if (!high || !low) return std::nullopt;
  const std::string_view body = info.substr(1, star - 1);
  int sum = 0;
  for (const char c : body) sum ^= static_cast<unsigned char>(c);
  if (sum != *high * 16 + *low) return std::nullopt;
  return body;
}

std::vector<std::string_view> SplitFields(std::string_view body) {
  std::vector<std::string_view> fields;
  for (std::size_t comma = body.find(','); comma != std::string_view::npos;
       comma = body.find(',')) {
    fields.push_back(body.substr(0, comma));
    body.remove_prefix(comma + 1);
  }
  fields.push_back(body);
  return fields;
}

// DDMM.mmmm (or DDDMM.mmmm) and its hemisphere letter, in signed degrees.
std::optional<double> ReadCoordinate(std::string_view text, std::string_view letter,
                                     const CoordinateAxis& axis) {
  const std::size_t point = text.find('.');
  const std::size_t whole = point == std::string_view::npos ? text.size() : point;
  if (whole != axis.degreeDigits + 2 || letter.size() != 1 ||
      (letter[0] != axis.positive && letter[0] != axis.negative)) {
    return std::nullopt;
  }
  int degrees = 0;
  double minutes = 0;
  double unit = 10;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == point) continue;
    if (!IsDigit(text[i])) return std::nullopt;
    const int digit = text[i] - '0';
    if (i < axis.degreeDigits) {
      degrees = degrees * 10 + digit;
    } else {
      minutes += digit * unit;
      unit /= 10;
    }
  }
  const double value = degrees + minutes / 60;
  if (minutes >= 60 || value > axis.maxDegrees) return std::nullopt;
  return letter[0] == axis.negative ? -value : value;
}

bool FixIsValid(const SentenceLayout& layout, std::string_view fix) {
  if (layout.type == "GGA") return fix.size() == 1 && fix[0] >= '1' && fix[0] <= '9';
  return fix == "A";
}

}  // namespace

std::optional<AprsPosition> ParseNmeaPosition(std::string_view info) {
  if (info.size() < kNameSize || info[0] != '$' || !IsUpper(info[1]) || !IsUpper(info[2])) {
    return std::nullopt;
  }
  const SentenceLayout* layout = nullptr;
  for (const SentenceLayout& candidate : kLayouts) {
    if (info.substr(3, 3) == candidate.type) layout = &candidate;
  }
  const std::optional<std::string_view> body = layout ? CheckedBody(info) : std::nullopt;
  if (!body) return std::nullopt;
  const std::vector<std::string_view> fields = SplitFields(*body);
  if (fields[0].size() != kNameSize - 1 || fields.size() < layout->fields ||
      !FixIsValid(*layout, fields[layout->fix])) {
    return std::nullopt;
  }
  const std::size_t at = layout->latitude;
  const std::optional<double> latitude = ReadCoordinate(fields[at], fields[at + 1], kLatitudeAxis);
  const std::optional<double> longitude =
      ReadCoordinate(fields[at + 2], fields[at + 3], kLongitudeAxis);
  if (!latitude || !longitude) return std::nullopt;
  return AprsPosition{*latitude, *longitude, kUnknownSymbolTable, kUnknownSymbolCode, 0};
}

}  // namespace brevio
