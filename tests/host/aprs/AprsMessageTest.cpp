// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/aprs/AprsMessage.h"

namespace brevio {
namespace {

using Kind = AprsMessage::Kind;
using namespace std::string_literals;

TEST(AprsMessage, ReadsKindAddresseeTextAndNumber) {
  const std::pair<std::string, AprsMessage> messages[] = {
      {":N0CALL-5 :Hello{12", {Kind::Message, "N0CALL-5", "Hello", "12", "12", ""}},
      {":QDOS     :HELP", {Kind::Message, "QDOS", "HELP", "", "", ""}},
      {":N0CALL   :ack12", {Kind::Ack, "N0CALL", "", "12", "12", ""}},
      {":N0CALL   :ack12  ", {Kind::Ack, "N0CALL", "", "12", "12", ""}},
      {":N0CALL   :rejABCyz", {Kind::Reject, "N0CALL", "", "ABCyz", "ABCyz", ""}},
      {":N0CALL   :Hi{MM}AA", {Kind::Message, "N0CALL", "Hi", "MM}AA", "MM", "AA"}},
      {":N0CALL   :Hi{MM}", {Kind::Message, "N0CALL", "Hi", "MM}", "MM", ""}},
      {":N0CALL   :Hi{7 ", {Kind::Message, "N0CALL", "Hi", "7", "7", ""}},
      {":N0CALL   :ackMM}AA", {Kind::Ack, "N0CALL", "", "MM}AA", "MM", "AA"}},
      // An addressee shorter than 9 that was not padded.
      {":N0CALL:short{3", {Kind::Message, "N0CALL", "short", "3", "3", ""}},
      // "{" in odd places: the number follows the last one, and only a number counts.
      {":N0CALL   :a{b}c{7", {Kind::Message, "N0CALL", "a{b}c", "7", "7", ""}},
      {":N0CALL   :see {this one}", {Kind::Message, "N0CALL", "see {this one}", "", "", ""}},
      {":N0CALL   :open{", {Kind::Message, "N0CALL", "open{", "", "", ""}},
      {":N0CALL   :x{123456", {Kind::Message, "N0CALL", "x{123456", "", "", ""}},
      {":N0CALL   :{1", {Kind::Message, "N0CALL", "", "1", "1", ""}},
      {":N0CALL   :ack{5", {Kind::Message, "N0CALL", "ack", "5", "5", ""}},
      {":N0CALL   :acknowledged ", {Kind::Message, "N0CALL", "acknowledged ", "", "", ""}},
      {":N0CALL   :\0\xe9\xff:{1"s, {Kind::Message, "N0CALL", "\0\xe9\xff:"s, "1", "1", ""}}};
  for (const auto& [info, message] : messages) EXPECT_EQ(ParseAprsMessage(info), message) << info;
}

TEST(AprsMessage, RefusesWhatIsNoMessage) {
  for (const std::string info : {"N0CALL   :hi", ":", ":N0CALL", ":         :x", ":TENCHARSXX:x"}) {
    EXPECT_FALSE(ParseAprsMessage(info)) << info;
  }
}

TEST(AprsMessage, FormatsWithTheAddresseePaddedToNine) {
  EXPECT_EQ(FormatAprsMessage("N0CALL", "Hi {there}", "12"), ":N0CALL   :Hi {there}{12");
  EXPECT_EQ(FormatAprsMessage("N0CALL-15", "", "MM}"), ":N0CALL-15:{MM}");
  EXPECT_EQ(FormatAprsAck("N0CALL-5", "MM}AA"), ":N0CALL-5 :ackMM}AA");
  EXPECT_EQ(FormatAprsReject("QDOS", "1"), ":QDOS     :rej1");
}

TEST(AprsMessage, FormatRefusesAddresseesAndNumbersThatWouldNotReadBack) {
  for (const std::string addressee : {"", "TENCHARSXX", "A:B", "AB "}) {
    EXPECT_FALSE(FormatAprsMessage(addressee, "x", "1")) << addressee;
  }
  for (const std::string number : {"", "123456", "1 2", "1{", "}A", "1}2}3"}) {
    EXPECT_FALSE(FormatAprsAck("N0CALL", number)) << number;
  }
}

}  // namespace
}  // namespace brevio
