// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VisibleText.h"

namespace brevio {

std::string VisibleText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool lineEnd = byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (lineEnd) {
      out += "\r\n";
      ++i;
    } else if (byte < 0x20 || byte == 0x7f) {
      out += "<0x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0f];
      out += '>';
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace brevio
