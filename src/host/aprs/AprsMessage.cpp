// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsMessage.h"

#include <algorithm>

namespace brevio {

namespace {

constexpr std::size_t kAddresseeWidth = 9;
constexpr std::size_t kMaxNumberPart = 5;

bool IsAlphanumeric(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsNumberPart(std::string_view part, std::size_t minimum) {
  return part.size() >= minimum && part.size() <= kMaxNumberPart &&
         std::all_of(part.begin(), part.end(), IsAlphanumeric);
}

// MM or MM}AA, MM of 1 to 5 and AA of 0 to 5 letters or digits.
bool IsMessageNumber(std::string_view number) {
  const std::size_t brace = number.find('}');
  if (brace == std::string_view::npos) return IsNumberPart(number, 1);
  return IsNumberPart(number.substr(0, brace), 1) && IsNumberPart(number.substr(brace + 1), 0);
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// A trailing blank would read back as padding, and a ":" would end the addressee early.
bool IsAddressee(std::string_view addressee) {
  return !addressee.empty() && addressee.size() <= kAddresseeWidth && addressee.back() != ' ' &&
         addressee.find(':') == std::string_view::npos;
}

void SetNumber(AprsMessage& message, std::string_view number) {
  const std::size_t brace = number.find('}');
  message.number = std::string(number);
  message.lineNumber = std::string(number.substr(0, brace));
  if (brace != std::string_view::npos) message.replyAck = std::string(number.substr(brace + 1));
}

std::optional<std::string> FormatWithNumber(std::string_view addressee, std::string_view body,
                                            std::string_view number) {
  if (!IsAddressee(addressee) || !IsMessageNumber(number)) return std::nullopt;
  std::string info = ":" + std::string(addressee);
  info.resize(1 + kAddresseeWidth, ' ');
  return info + ":" + std::string(body) + std::string(number);
}

}  // namespace

std::optional<AprsMessage> ParseAprsMessage(std::string_view info) {
  if (info.empty() || info[0] != ':') return std::nullopt;
  const std::size_t colon = info.find(':', 1);
  if (colon == std::string_view::npos || colon > 1 + kAddresseeWidth) return std::nullopt;
  AprsMessage message;
  message.addressee = std::string(WithoutTrailingBlanks(info.substr(1, colon - 1)));
  if (message.addressee.empty()) return std::nullopt;
  const std::string_view body = info.substr(colon + 1);

  const std::string_view keyword = body.substr(0, 3);
  if (keyword == "ack" || keyword == "rej") {
    const std::string_view number = WithoutTrailingBlanks(body.substr(3));
    if (IsMessageNumber(number)) {
      message.kind = keyword == "ack" ? AprsMessage::Kind::Ack : AprsMessage::Kind::Reject;
      SetNumber(message, number);
      return message;
    }
  }
  const std::size_t brace = body.rfind('{');
  if (brace != std::string_view::npos) {
    const std::string_view number = WithoutTrailingBlanks(body.substr(brace + 1));
    if (IsMessageNumber(number)) {
      message.text = std::string(body.substr(0, brace));
      SetNumber(message, number);
      return message;
    }
  }
  message.text = std::string(body);
  return message;
}

std::optional<std::string> FormatAprsMessage(std::string_view addressee, std::string_view text,
                                             std::string_view number) {
  return FormatWithNumber(addressee, std::string(text) + "{", number);
}

std::optional<std::string> FormatAprsAck(std::string_view addressee, std::string_view number) {
  return FormatWithNumber(addressee, "ack", number);
}

std::optional<std::string> FormatAprsReject(std::string_view addressee, std::string_view number) {
  return FormatWithNumber(addressee, "rej", number);
}

}  // namespace brevio
