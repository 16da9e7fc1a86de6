// SPDX-License-Identifier: GPL-3.0-or-later
// Information fields of APRS messages, acks and rejects.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/AprsMessage.h"

namespace brevio::fuzz {
namespace {

// The information field that writes `message` again; nothing for a message without a number,
// which no formatter writes.
std::optional<std::string> Rewritten(const AprsMessage& message) {
  switch (message.kind) {
    case AprsMessage::Kind::Ack:
      return FormatAprsAck(message.addressee, message.number);
    case AprsMessage::Kind::Reject:
      return FormatAprsReject(message.addressee, message.number);
    case AprsMessage::Kind::Message:
      break;
  }
  if (message.number.empty()) return std::nullopt;
  return FormatAprsMessage(message.addressee, message.text, message.number);
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::optional<AprsMessage> message = ParseAprsMessage(fuzz::AsText(data, size));
  if (!message) return 0;
  fuzz::Require(!message->addressee.empty() && message->addressee.size() <= 9,
                "an addressee is 1 to 9 characters");
  fuzz::Require(message->number == message->lineNumber ||
                    message->number == message->lineNumber + "}" + message->replyAck,
                "a number is its line number and its reply ack");
  if (message->number.empty()) return 0;
  const std::optional<std::string> info = fuzz::Rewritten(*message);
  fuzz::Require(info.has_value(), "a message read with its number can be written");
  fuzz::Require(ParseAprsMessage(*info) == message, "a message written reads back the same");
  return 0;
}
