// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

struct TopicDispatchTest : ::testing::Test, QueryHarness {
  TopicDispatchTest() {
    reply = {"N0CALL", "WIDE", 3, "A"};
    info.StartTimeText = "01.12.2026 08:15:00";
    clock.tick = 3723000;  // 01:02:03
  }

  bool Dispatch(std::string topic) { return dispatch.DispatchTopic(topic); }

  // The texts handed to the host, in order.
  Lines Sent() const {
    Lines texts;
    for (const SentMessage& message : host.messages) texts.push_back(message.text);
    return texts;
  }
};

// Topics are upper-cased; an operator topic takes the place of a built-in one but not of the
// topic list, of two with one name the later answers, and its object goes up even when the host
// could not send the answer. A blank before or after a name makes it another, unknown topic,
// which writes "Unknown topic" and sends nothing.
TEST_F(TopicDispatchTest, AnswersEachTopicWithItsReply) {
  AddTopic("?WX", "old");
  AddTopic("?NET", "net");
  AddTopic("?WX", "new");
  AddTopic("?UP", "Always");
  AddTopic("?HELP", "never sent");
  topics[3].strObject = "WX";
  const auto ask = [this](const char* question, const std::string& answer) {
    std::string topic = question;
    host.calls.clear();
    host.messages.clear();
    txtStatus.content.clear();
    EXPECT_EQ(dispatch.DispatchTopic(topic), !answer.empty()) << question;
    EXPECT_EQ(Sent(), answer.empty() ? Lines{} : Lines{answer}) << question;
    EXPECT_EQ(topic.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
    EXPECT_EQ(StatusLines().front(), answer.empty() ? "Unknown topic"
                                                    : "Send msg : " + answer +
                                                          " (len=" + std::to_string(answer.size()) +
                                                          ", digipath = WIDEmessage type = A)");
  };
  for (const char* name :
       {"?HELP", "?help", "?Hel", "?hE", "?h", "?Info", "?INF", "?in", "?i", "??", "?"}) {
    ask(name, " ?WX?NET?WX?UP?HELP");
  }
  ask("?wx", "new");
  host.failing = {"SendAPRSMessage"};
  txtStatus.content.clear();
  EXPECT_TRUE(Dispatch("?WX"));
  EXPECT_EQ(StatusLines().at(1), "Host call failed: SendAPRSMessage failed");
  EXPECT_EQ(host.CallsOf("CreateObject"), (Lines{"CreateObject(WX0)", "CreateObject(WX01)"}));
  host.failing.clear();
  ask("?Up", "Always");
  ask("?time", "06.12.2026 01:02:03");
  ask("?DATE", "06.12.2026 01:02:03");
  ask("?ver", "UIV2.03 BRV V9.8.7 by the Brevio team");
  for (const char* unknown : {"?XYZ", " ?HELP", "?HELP ", "?WX "}) ask(unknown, "");
  topics.TopicCount = 0;
  ask("?UP", "BRV server up since 01.12.2026 08:15:00");
}

// No reply exceeds 45 characters: eight names of six fill a first reply with seven (43
// characters with the leading blank) and a second with the eighth; with no topics the list is
// one blank.
TEST_F(TopicDispatchTest, ListIsSplitSoThatNoReplyExceedsFortyFiveCharacters) {
  EXPECT_TRUE(Dispatch("?h"));
  for (char c = 'A'; c < 'H'; ++c) AddTopic("?" + std::string(5, c), "");
  AddTopic("??", "");
  dispatch.SendTopicList();
  topics[8].strTopic = "?HHHHH";
  dispatch.SendTopicList();
  const std::string seven = " ?AAAAA?BBBBB?CCCCC?DDDDD?EEEEE?FFFFF?GGGGG";
  EXPECT_EQ(Sent(), (Lines{" ", seven + "??", seven, " ?HHHHH"}));
}

}  // namespace
}  // namespace brevio::test
