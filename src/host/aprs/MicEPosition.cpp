// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/MicEPosition.h"

#include <array>
#include <string>

#include "base/BaseCall.h"

namespace brevio {

namespace {

constexpr std::size_t kDestinationSize = 6;
// The first destination character whose flag is N/S; the next two are the offset and W/E.
constexpr std::size_t kFirstFlag = 3;
constexpr int kByteOffset = 28;

// A destination character: a latitude digit, or a blank for ambiguity, and the flag the last
// three characters carry (north, 100 degrees more, west).
struct LatitudeDigit {
  char digit;
  bool flag;
};

// A to K set a custom message bit, which only the first three characters carry.
std::optional<LatitudeDigit> ReadLatitudeDigit(char c, bool customAllowed) {
  if (c >= '0' && c <= '9') return LatitudeDigit{c, false};
  if (c >= 'P' && c <= 'Y') return LatitudeDigit{static_cast<char>('0' + (c - 'P')), true};
  if (c == 'Z') return LatitudeDigit{' ', true};
  if (c == 'L') return LatitudeDigit{' ', false};
  if (customAllowed && c >= 'A' && c <= 'J') {
    return LatitudeDigit{static_cast<char>('0' + (c - 'A')), false};
  }
  if (customAllowed && c == 'K') return LatitudeDigit{' ', false};
  return std::nullopt;
}

// The value of a longitude byte: its code less 28, within the range the encoding uses.
std::optional<int> ReadByte(char c, int low, int high) {
  const int value = static_cast<unsigned char>(c) - kByteOffset;
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

std::optional<AprsPosition> ParseMicEPosition(std::string_view destination, std::string_view info) {
  const std::string base = BaseCall(destination);
  if (base.size() != kDestinationSize || info.size() < kMicEInfoSize ||
      (info[0] != '`' && info[0] != '\'')) {
    return std::nullopt;
  }
  std::array<LatitudeDigit, kDestinationSize> digits{};
  for (std::size_t i = 0; i < kDestinationSize; ++i) {
    const std::optional<LatitudeDigit> digit = ReadLatitudeDigit(base[i], i < kFirstFlag);
    if (!digit) return std::nullopt;
    digits[i] = *digit;
  }
  std::optional<int> degrees = ReadByte(info[1], 10, 99);
  std::optional<int> minutes = ReadByte(info[2], 10, 69);
  const std::optional<int> hundredths = ReadByte(info[3], 0, 99);
  if (!degrees || !minutes || !hundredths) return std::nullopt;
  // With the offset, 180 to 189 stand for 100 to 109 and 190 to 199 for 0 to 9: the bytes for
  // 10 to 99 are taken by the degrees without it.
  if (digits[kFirstFlag + 1].flag) {
    *degrees += 100;
    if (*degrees >= 190) {
      *degrees -= 190;
    } else if (*degrees >= 180) {
      *degrees -= 80;
    }
  }
  // Minutes 0 to 9 are sent as 60 to 69, which keeps their bytes printable.
  if (*minutes >= 60) *minutes -= 60;
  // Rebuilt as the uncompressed position (DDMM.HHN, symbol table, DDDMM.HHW, symbol code),
  // whose reader knows the ranges and the ambiguity.
  std::string text;
  text.reserve(kAprsPositionSize);
  for (std::size_t i = 0; i < kDestinationSize; ++i) {
    if (i == 4) text += '.';
    text += digits[i].digit;
  }
  // An unusual symbol byte leaves only the symbol unknown; the position stands.
  const bool knownSymbol = IsAprsSymbolTable(info[8]) && IsAprsSymbolCode(info[7]);
  text += digits[kFirstFlag].flag ? 'N' : 'S';
  text += knownSymbol ? info[8] : kUnknownSymbolTable;
  const int longitude = (*degrees * 100 + *minutes) * 100 + *hundredths;
  for (int unit = 1000000; unit > 0; unit /= 10) {
    if (unit == 10) text += '.';
    text += static_cast<char>('0' + longitude / unit % 10);
  }
  text += digits[kFirstFlag + 2].flag ? 'W' : 'E';
  text += knownSymbol ? info[7] : kUnknownSymbolCode;
  return ParseAprsPosition(text);
}

}  // namespace brevio
