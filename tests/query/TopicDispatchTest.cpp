#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/AnsiText.h"
#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

class TopicDispatchTest : public ::testing::Test {
 protected:
  TopicDispatchTest() {
    h.reply = {"N0CALL", "WIDE", 3, "A"};
    h.info.StartTimeText = "01.12.2026 08:15:00";
    h.clock.tick = 3723000;  // 01:02:03
  }

  void Topics(const std::vector<std::pair<std::string, std::string>>& defined) {
    for (const auto& [topic, answer] : defined) h.AddTopic(topic, answer);
  }

  bool Dispatch(std::string topic) { return h.dispatch.DispatchTopic(topic); }

  // The texts handed to the host, in order.
  std::vector<std::string> Sent() const {
    std::vector<std::string> texts;
    for (const std::string& call : h.host.CallsOf("SendAPRSMessage")) {
      const std::size_t start = call.rfind('|') + 1;
      texts.push_back(call.substr(start, call.size() - start - 1));
    }
    return texts;
  }

  QueryHarness h;
};

TEST_F(TopicDispatchTest, EveryNameOfTheTopicListGivesItInAnyCaseAndIsUpperCased) {
  Topics({{"?WX", "Sunny"}, {"?NET", "Mondays"}});
  for (const char* name :
       {"?HELP", "?help", "?Hel", "?hE", "?h", "?Info", "?INF", "?in", "?i", "??", "?"}) {
    std::string topic = name;
    EXPECT_TRUE(h.dispatch.DispatchTopic(topic));
    EXPECT_EQ(Sent().back(), " ?WX?NET") << name;
    EXPECT_EQ(topic, UpperCase(name));
  }
  EXPECT_EQ(Sent().size(), 11U);
}

TEST_F(TopicDispatchTest, SendLineHasNoSeparatorBeforeTheMessageType) {
  Topics({{"?OK", "OK"}});
  EXPECT_TRUE(Dispatch("?ok"));
  EXPECT_EQ(h.host.CallsOf("SendAPRSMessage"),
            std::vector<std::string>{"SendAPRSMessage(N0CALL|WIDE|3|A|OK)"});
  EXPECT_EQ(h.StatusLines().front(), "Send msg : OK (len=2, digipath = WIDEmessage type = A)");
}

TEST_F(TopicDispatchTest, OperatorTopicIsAnsweredAndItsObjectPlaced) {
  Topics({{"?WX", "Sunny"}});
  h.topics[1].strObject = "WX";
  EXPECT_TRUE(Dispatch("?wx"));
  EXPECT_EQ(Sent(), std::vector<std::string>{"Sunny"});
  EXPECT_EQ(h.host.CallsOf("CreateObject"), std::vector<std::string>{"CreateObject(WX0)"});
}

TEST_F(TopicDispatchTest, LaterOfTwoTopicsWithTheSameNameAnswers) {
  Topics({{"?WX", "old"}, {"?NET", "net"}, {"?WX", "new"}});
  EXPECT_EQ(h.dispatch.FindTopic("?WX"), 3);
  EXPECT_EQ(h.dispatch.FindTopic("?XYZ"), 0);
  EXPECT_TRUE(Dispatch("?WX"));
  EXPECT_EQ(Sent(), std::vector<std::string>{"new"});
}

TEST_F(TopicDispatchTest, BuiltInTopicsAnswerWithTimeVersionAndStart) {
  EXPECT_TRUE(Dispatch("?time"));
  EXPECT_TRUE(Dispatch("?DATE"));
  EXPECT_TRUE(Dispatch("?ver"));
  EXPECT_TRUE(Dispatch("?Up"));
  EXPECT_EQ(Sent(), (std::vector<std::string>{"06.12.2026 01:02:03", "06.12.2026 01:02:03",
                                              "UIV2.03 BRV V9.8.7 by the Brevio team",
                                              "BRV server up since 01.12.2026 08:15:00"}));
}

TEST_F(TopicDispatchTest, OperatorTopicTakesThePlaceOfABuiltInButNotOfTheList) {
  Topics({{"?TIME", "Ask later"}, {"?UP", "Always"}, {"?HELP", "never sent"}});
  EXPECT_TRUE(Dispatch("?TIME"));
  EXPECT_TRUE(Dispatch("?UP"));
  EXPECT_TRUE(Dispatch("?HELP"));
  EXPECT_EQ(Sent(), (std::vector<std::string>{"Ask later", "Always", " ?TIME?UP?HELP"}));
}

TEST_F(TopicDispatchTest, UnknownTopicIsLoggedAndNothingSent) {
  Topics({{"?WX", "Sunny"}});
  for (const char* topic : {"?XYZ", " ?HELP", "?HELP ", "?WX "}) {
    EXPECT_FALSE(Dispatch(topic)) << topic;
  }
  EXPECT_TRUE(h.host.calls.empty());
  EXPECT_EQ(h.StatusLines(), std::vector<std::string>(4, "Unknown topic"));
}

TEST_F(TopicDispatchTest, ListIsSplitSoThatNoReplyExceedsFortyFiveCharacters) {
  EXPECT_TRUE(Dispatch("?h"));  // no topics: one blank
  for (char c = 'A'; c < 'H'; ++c) h.AddTopic("?" + std::string(5, c), "");
  h.AddTopic("??", "");
  h.dispatch.SendTopicList();
  h.topics[8].strTopic = "?HHHHH";
  h.dispatch.SendTopicList();
  const std::string seven = " ?AAAAA?BBBBB?CCCCC?DDDDD?EEEEE?FFFFF?GGGGG";
  EXPECT_EQ(Sent(), (std::vector<std::string>{" ", seven + "??", seven, " ?HHHHH"}));
}

TEST_F(TopicDispatchTest, FailedSendIsLoggedAndTheTopicStillCountsAsAnswered) {
  Topics({{"?WX", "Sunny"}});
  h.topics[1].strObject = "WX";
  h.host.failing = {"SendAPRSMessage"};
  EXPECT_TRUE(Dispatch("?WX"));
  const std::vector<std::string> lines = h.StatusLines();
  ASSERT_GE(lines.size(), 2U);
  EXPECT_EQ(lines[1], "Host call failed: SendAPRSMessage failed");
  EXPECT_EQ(h.host.CallsOf("CreateObject").size(), 1U);
}

}  // namespace
}  // namespace brevio::test
