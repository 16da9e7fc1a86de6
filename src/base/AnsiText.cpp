// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AnsiText.h"

namespace brevio {

namespace {

unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:  // s caron
    case 0x9C:  // oe
    case 0x9E:  // z caron
      return static_cast<unsigned char>(c - 0x10);
    case 0xFF:  // y diaeresis
      return 0x9F;
    case 0xF7:  // division sign, no letter
      return c;
    default:
      return c >= 0xE0 ? static_cast<unsigned char>(c - 0x20) : c;
  }
}

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace brevio
