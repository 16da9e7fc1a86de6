// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// An APRS message, ack or reject: the information field :ADDRESSEE:text{NUMBER,
// :ADDRESSEE:ackNUMBER or :ADDRESSEE:rejNUMBER, the addressee padded with blanks to 9 characters.
//
// A number is 1 to 5 letters or digits, or the reply-ack form MM}AA: MM numbers this message and
// AA, which may be empty, acks the other station's message AA. Receivers that do not know the
// form ack the whole text after "{" ("ackMM}AA"), so an ack's `lineNumber` is what it acks.
struct AprsMessage {
  enum class Kind { Message, Ack, Reject };

  Kind kind = Kind::Message;
  // Without its padding blanks.
  std::string addressee;
  // The message text before its number, byte for byte; empty for an ack or a reject.
  std::string text;
  // The whole number, trailing blanks removed: what an ack of this message carries. Empty for a
  // message without a number.
  std::string number;
  // The part of `number` before "}" (all of it when there is no "}").
  std::string lineNumber;
  // The part of `number` after "}": the sender's ack of our message with that number.
  std::string replyAck;

  bool operator==(const AprsMessage&) const = default;
};

// Reads an information field that begins with ":". Lenient where stations are: an addressee
// shorter than 9 that ends at an early ":" is taken, trailing blanks after a number are dropped
// (some digipeaters add them), and a "{" that is not followed by a number is part of the text (the
// number follows the last "{"). Nothing for a field that is not a message.
std::optional<AprsMessage> ParseAprsMessage(std::string_view info);

// The information field of a message with a number. Nothing when the addressee is empty, longer
// than 9, ends in a blank or holds a ":", or when the number does not have the shape above.
std::optional<std::string> FormatAprsMessage(std::string_view addressee, std::string_view text,
                                             std::string_view number);

// The information field that acks (or rejects) the message `number` from `addressee`; the same
// refusals as FormatAprsMessage.
std::optional<std::string> FormatAprsAck(std::string_view addressee, std::string_view number);
std::optional<std::string> FormatAprsReject(std::string_view addressee, std::string_view number);

}  // namespace brevio
