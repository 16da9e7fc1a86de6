// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/KissFrame.h"

namespace brevio {

namespace {

void AppendEscaped(std::string& bytes, char c) {
  if (c == kKissFend) {
    bytes += kKissFesc;
    bytes += kKissTfend;
  } else if (c == kKissFesc) {
    bytes += kKissFesc;
    bytes += kKissTfesc;
  } else {
    bytes += c;
  }
}

}  // namespace

std::optional<std::string> EncodeKissFrame(int port, std::string_view payload) {
  if (port < 0 || port > kMaxKissPort) return std::nullopt;
  std::string bytes;
  bytes.reserve(payload.size() + 5);
  bytes += kKissFend;
  // The type byte is escaped too: port 12 writes it as 0xC0.
  AppendEscaped(bytes, static_cast<char>(port << 4));
  for (const char c : payload) AppendEscaped(bytes, c);
  bytes += kKissFend;
  return bytes;
}

}  // namespace brevio
