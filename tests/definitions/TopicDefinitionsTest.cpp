#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/PathText.h"
#include "definitions/TopicDefinitions.h"
#include "support/CoreHarness.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

class TopicDefinitionsTest : public ::testing::Test {
 protected:
  TopicDefinitionsTest() { h.info.ProgramFolder = folder.Path(); }

  // Writes brv.txt and loads it.
  void Load(const std::string& bytes) {
    folder.Write("brv.txt", bytes);
    definitions.LoadTopicDefinitions();
  }

  // The body of the one critical message that the load of `bytes` shows.
  std::string CriticalOf(const std::string& bytes) {
    EXPECT_THROW(Load(bytes), ProgramEnded);
    EXPECT_EQ(h.dialog.shown.size(), 1U);
    if (h.dialog.shown.empty()) return {};
    const std::string& body = h.dialog.shown.back().body;
    const std::size_t start = body.find("\r\n\r\n") + 4;
    return body.substr(start, body.rfind("\r\n\r\n") - start);
  }

  std::string Path() const { return JoinPath(folder.Path(), "brv.txt"); }

  TempFolder folder;
  CoreHarness h;
  TopicTable topics;
  TopicDefinitions definitions{topics, h.info, h.log, h.messages};
};

struct LoadCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> topics;  // "topic=answer", in table order
  const char* warning = nullptr;    // the status line after the loading line, if any
};

class TopicLoadTest : public TopicDefinitionsTest,
                      public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TopicLoadTest, ReadsTopicsAndAnswersInFileOrder) {
  Load(GetParam().bytes);
  std::vector<std::string> loaded;
  for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
    loaded.push_back(topics[i].strTopic + "=" + topics[i].strResponse);
  }
  EXPECT_EQ(loaded, GetParam().topics);
  std::vector<std::string> lines{"loading BRV topic definition from " + Path()};
  if (GetParam().warning != nullptr) lines.push_back(GetParam().warning);
  EXPECT_EQ(h.StatusLines(), lines);
  EXPECT_TRUE(h.dialog.shown.empty());
}

const std::string k45(45, 'a');

INSTANTIATE_TEST_SUITE_P(
    Files, TopicLoadTest,
    ::testing::Values(
        LoadCase(
            "QuotedAndUnquotedItems",
            "# my topics, for the club\r\n?wx\r\n>Sunny, 20 C\r\n  ?NET\r\n\">Mondays, 20:00\"\r\n",
            {"?WX=Sunny", "?NET=Mondays, 20:00"}),
        LoadCase("CommentEndsAtItsComma", "# see also,?NEW\n>late\n", {"?NEW=late"}),
        LoadCase("CommentsOnly", "# nothing here\n\n   # still nothing\n", {}),
        LoadCase("OrphanDroppedAndLaterAnswerWins", ">orphan\n?A\n>first\n>second\n?B\n>\n",
                 {"?A=second", "?B="}),
        LoadCase("SixCharacterTopic", "?ABCDE\n", {"?ABCDE="}),
        LoadCase("FortyFiveCharacterAnswer", "?A\n>" + k45 + "\n", {"?A=" + k45}),
        LoadCase("LongerAnswerShortened", "?A\n>" + k45 + "bc\n", {"?A=" + k45},
                 "Response too long, shortened to 45 characters")),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST_F(TopicDefinitionsTest, TenTopicsAreAcceptedAndAnEleventhIsCriticalWhateverItsLength) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "?T" + std::to_string(i) + "\n";
  Load(ten);
  EXPECT_EQ(topics.TopicCount, 10);
  EXPECT_EQ(CriticalOf(ten + "?TOOLONGNAME\n"), "More then 10 topics defined in BRV.TXT file.");
}

TEST_F(TopicDefinitionsTest, TopicOfSevenCharactersIsCritical) {
  EXPECT_EQ(CriticalOf("?ok\n?abcdef\n"), "Topic ?abcdef is more then 6 characters");
}

TEST_F(TopicDefinitionsTest, MissingOrUnreadableFileIsCriticalWithTheSystemError) {
  EXPECT_THROW(definitions.LoadTopicDefinitions(), ProgramEnded);
  std::filesystem::create_directory(Path());
  EXPECT_THROW(definitions.LoadTopicDefinitions(), ProgramEnded);
  ASSERT_EQ(h.dialog.shown.size(), 2U);
  const std::string open = "Can not open BRV definition file " + Path() + "\r\nError ";
  EXPECT_NE(h.dialog.shown[0].body.find(open + "2 No such file or directory \r\n"),
            std::string::npos)
      << h.dialog.shown[0].body;
  // The error of the failed read, not a stale or empty one.
  EXPECT_NE(h.dialog.shown[1].body.find(open), std::string::npos) << h.dialog.shown[1].body;
  EXPECT_EQ(h.dialog.shown[1].body.find("Error 0 "), std::string::npos);
}

TEST_F(TopicDefinitionsTest, ReloadKeepsEntriesAboveTheNewCountButRenewsReusedEntries) {
  Load("?OLD1\n>one\n?OLD2\n>two\n");
  topics[1].strObject = "OLD1";
  topics[1].dblLat = 49.0;
  Load("?NEW\n");
  EXPECT_EQ(topics.TopicCount, 1);
  // The reused entry answers for its new topic only.
  EXPECT_EQ(topics[1].strTopic, "?NEW");
  EXPECT_EQ(topics[1].strResponse, "");
  EXPECT_EQ(topics[1].strObject, "");
  EXPECT_EQ(topics[1].dblLat, 0.0);
  EXPECT_EQ(topics[2].strTopic, "?OLD2");
  EXPECT_EQ(topics[2].strResponse, "two");
}

}  // namespace
}  // namespace brevio::test
