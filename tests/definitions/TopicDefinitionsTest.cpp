#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/PathText.h"
#include "support/TempFolder.h"
#include "definitions/TopicDefinitions.h"
#include "support/CoreHarness.h"

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

TEST_F(TopicDefinitionsTest, LoadsTopicsAndAnswersInFileOrder) {
  Load("# my topics, for the club\r\n?wx\r\n>Sunny, 20 C\r\n  ?NET\r\n\">Mondays, 20:00\"\r\n");
  EXPECT_EQ(topics.TopicCount, 2);
  EXPECT_EQ(topics[1].strTopic, "?WX");
  EXPECT_EQ(topics[1].strResponse, "Sunny");
  EXPECT_EQ(topics[2].strTopic, "?NET");
  EXPECT_EQ(topics[2].strResponse, "Mondays, 20:00");
  EXPECT_EQ(h.StatusLines(),
            std::vector<std::string>{"loading BRV topic definition from " + Path()});
  EXPECT_TRUE(h.dialog.shown.empty());
}

TEST_F(TopicDefinitionsTest, CommentEndsAtItsCommaAndTheRestIsClassifiedOnItsOwn) {
  Load("# see also,?NEW\n>late\n");
  EXPECT_EQ(topics.TopicCount, 1);
  EXPECT_EQ(topics[1].strTopic, "?NEW");
  EXPECT_EQ(topics[1].strResponse, "late");
}

TEST_F(TopicDefinitionsTest, EmptyOrCommentOnlyFileGivesNoTopics) {
  Load("# nothing here\n\n   # still nothing\n");
  EXPECT_EQ(topics.TopicCount, 0);
  EXPECT_TRUE(h.dialog.shown.empty());
}

TEST_F(TopicDefinitionsTest, ResponseBeforeAnyTopicIsDroppedAndLaterAnswerReplacesEarlier) {
  Load(">orphan\n?A\n>first\n>second\n?B\n>\n");
  EXPECT_EQ(topics.TopicCount, 2);
  EXPECT_EQ(topics[1].strResponse, "second");
  EXPECT_EQ(topics[2].strResponse, "");
}

TEST_F(TopicDefinitionsTest, AnswerOfFortyFiveCharactersIsKeptWhole) {
  const std::string answer(45, 'a');
  Load("?A\n>" + answer + "\n");
  EXPECT_EQ(topics[1].strResponse, answer);
  EXPECT_EQ(h.StatusLines().size(), 1U);
}

TEST_F(TopicDefinitionsTest, LongerAnswerIsShortenedToFortyFiveAndReported) {
  Load("?A\n>" + std::string(45, 'a') + "bc\n");
  EXPECT_EQ(topics[1].strResponse, std::string(45, 'a'));
  EXPECT_EQ(h.StatusLines().back(), "Response too long, shortened to 45 characters");
}

TEST_F(TopicDefinitionsTest, TenTopicsAreAcceptedAndAnEleventhIsCriticalWhateverItsLength) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "?T" + std::to_string(i) + "\n";
  Load(ten);
  EXPECT_EQ(topics.TopicCount, 10);
  EXPECT_EQ(CriticalOf(ten + "?TOOLONGNAME\n"), "More then 10 topics defined in BRV.TXT file.");
}

TEST_F(TopicDefinitionsTest, TopicOfSixCharactersIsAcceptedAndOfSevenIsCritical) {
  Load("?ABCDE\n");
  EXPECT_EQ(topics[1].strTopic, "?ABCDE");
  EXPECT_EQ(CriticalOf("?ok\n?abcdef\n"), "Topic ?abcdef is more then 6 characters");
}

TEST_F(TopicDefinitionsTest, MissingFileIsCriticalWithTheSystemError) {
  EXPECT_THROW(definitions.LoadTopicDefinitions(), ProgramEnded);
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  EXPECT_NE(h.dialog.shown[0].body.find("Can not open BRV definition file " + Path() +
                                        "\r\nError 2 No such file or directory \r\n"),
            std::string::npos)
      << h.dialog.shown[0].body;
}

TEST_F(TopicDefinitionsTest, FileThatCannotBeReadIsCritical) {
  std::filesystem::create_directory(Path());
  EXPECT_THROW(definitions.LoadTopicDefinitions(), ProgramEnded);
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  // The error of the failed read, not a stale or empty one.
  EXPECT_EQ(h.dialog.shown[0].body.find("Error 0 "), std::string::npos);
  EXPECT_NE(
      h.dialog.shown[0].body.find("Can not open BRV definition file " + Path() + "\r\nError "),
      std::string::npos)
      << h.dialog.shown[0].body;
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
