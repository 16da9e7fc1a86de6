#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

class TopicDispatchTest : public ::testing::Test {
 protected:
  TopicDispatchTest() {
    h.reply = {"N0CALL", "WIDE", 3, "A"};
    h.info.StartTimeText = "01.12.2026 08:15:00";
    h.clock.tick = 3723000;  // 01:02:03
  }

  bool Dispatch(std::string topic) { return h.dispatch.DispatchTopic(topic); }

  // The texts handed to the host, in order.
  Lines Sent() const {
    Lines texts;
    for (const std::string& call : h.host.CallsOf("SendAPRSMessage")) {
      const std::size_t start = call.rfind('|') + 1;
      texts.push_back(call.substr(start, call.size() - start - 1));
    }
    return texts;
  }

  QueryHarness h;
};

// Topics are upper-cased; an operator topic takes the place of a built-in one but not of the
// topic list, and of two with one name the later answers. A blank before or after a name makes
// it another, unknown topic, which writes "Unknown topic" and sends nothing.
TEST_F(TopicDispatchTest, AnswersEachTopicWithItsReply) {
  h.AddTopic("?WX", "old");
  h.AddTopic("?NET", "net");
  h.AddTopic("?WX", "new");
  h.AddTopic("?UP", "Always");
  h.AddTopic("?HELP", "never sent");
  const auto ask = [this](const char* question, const std::string& reply) {
    std::string topic = question;
    h.host.calls.clear();
    h.txtStatus.content.clear();
    EXPECT_EQ(h.dispatch.DispatchTopic(topic), !reply.empty()) << question;
    EXPECT_EQ(Sent(), reply.empty() ? Lines{} : Lines{reply}) << question;
    EXPECT_EQ(topic.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
    EXPECT_EQ(h.StatusLines().front(), reply.empty() ? "Unknown topic"
                                                     : "Send msg : " + reply +
                                                           " (len=" + std::to_string(reply.size()) +
                                                           ", digipath = WIDEmessage type = A)");
  };
  for (const char* name :
       {"?HELP", "?help", "?Hel", "?hE", "?h", "?Info", "?INF", "?in", "?i", "??", "?"}) {
    ask(name, " ?WX?NET?WX?UP?HELP");
  }
  ask("?wx", "new");
  ask("?Up", "Always");
  ask("?time", "06.12.2026 01:02:03");
  ask("?DATE", "06.12.2026 01:02:03");
  ask("?ver", "UIV2.03 BRV V9.8.7 by the Brevio team");
  for (const char* unknown : {"?XYZ", " ?HELP", "?HELP ", "?WX "}) ask(unknown, "");
  h.topics.TopicCount = 0;
  ask("?UP", "BRV server up since 01.12.2026 08:15:00");
}

// The object goes up whether or not the host could send the answer.
TEST_F(TopicDispatchTest, OperatorTopicIsAnsweredAndItsObjectPlacedEvenIfTheSendFails) {
  h.AddTopic("?WX", "Sunny");
  h.topics[1].strObject = "WX";
  EXPECT_TRUE(Dispatch("?wx"));
  EXPECT_EQ(Sent(), Lines{"Sunny"});
  h.host.failing = {"SendAPRSMessage"};
  h.txtStatus.content.clear();
  EXPECT_TRUE(Dispatch("?WX"));
  EXPECT_EQ(h.StatusLines().at(1), "Host call failed: SendAPRSMessage failed");
  EXPECT_EQ(h.host.CallsOf("CreateObject"), (Lines{"CreateObject(WX0)", "CreateObject(WX01)"}));
}

// No reply exceeds 45 characters: eight names of six fill a first reply with seven (43
// characters with the leading blank) and a second with the eighth; with no topics the list is
// one blank.
TEST_F(TopicDispatchTest, ListIsSplitSoThatNoReplyExceedsFortyFiveCharacters) {
  EXPECT_TRUE(Dispatch("?h"));
  for (char c = 'A'; c < 'H'; ++c) h.AddTopic("?" + std::string(5, c), "");
  h.AddTopic("??", "");
  h.dispatch.SendTopicList();
  h.topics[8].strTopic = "?HHHHH";
  h.dispatch.SendTopicList();
  const std::string seven = " ?AAAAA?BBBBB?CCCCC?DDDDD?EEEEE?FFFFF?GGGGG";
  EXPECT_EQ(Sent(), (Lines{" ", seven + "??", seven, " ?HHHHH"}));
}

}  // namespace
}  // namespace brevio::test
