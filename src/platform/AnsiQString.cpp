// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AnsiQString.h"

#include <array>

namespace brevio {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The five
// undefined bytes map to the C1 controls of the same value, so that every byte survives.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString FromAnsi(std::string_view ansi) {
  QString text;
  text.reserve(static_cast<qsizetype>(ansi.size()));
  for (char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    text += (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
  }
  return text;
}

std::string ToAnsi(const QString& text) {
  std::string ansi;
  ansi.reserve(static_cast<std::size_t>(text.size()));
  for (QChar ch : text) {
    const char16_t code = ch.unicode();
    char byte = '?';
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
      byte = static_cast<char>(code);
    } else {
      for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) byte = static_cast<char>(0x80 + i);
      }
    }
    ansi += byte;
  }
  return ansi;
}

}  // namespace brevio
