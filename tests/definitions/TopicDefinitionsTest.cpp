#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/PathText.h"
#include "support/DefinitionFiles.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

class TopicDefinitionsTest : public ::testing::Test, protected DefinitionFiles {
 protected:
  // Writes brv.txt and loads it; gives the table as "topic=answer" in order.
  Lines Load(const std::string& bytes) {
    program.Write("brv.txt", bytes);
    topicDefinitions.LoadTopicDefinitions();
    Lines loaded;
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      loaded.push_back(topics[i].strTopic + "=" + topics[i].strResponse);
    }
    return loaded;
  }

  // The critical message that the load of `bytes` ends with.
  std::string CriticalOf(const std::string& bytes) {
    EXPECT_THROW(Load(bytes), ProgramEnded);
    return CriticalText();
  }

  std::string Path() const { return JoinPath(program.Path(), "brv.txt"); }
};

TEST_F(TopicDefinitionsTest, ReadsTopicsAndAnswersInFileOrder) {
  const std::string a45(45, 'a');
  // Each file's topics, and the status line after the loading line, if any.
  const std::tuple<std::string, Lines, const char*> files[] = {
      {"# my topics, for the club\r\n?wx\r\n>Sunny, 20 C\r\n  ?NET\r\n\">Mondays, 20:00\"\r\n",
       {"?WX=Sunny", "?NET=Mondays, 20:00"},
       nullptr},
      // A comment ends at its comma.
      {"# see also,?NEW\n>late\n", {"?NEW=late"}, nullptr},
      {"# nothing here\n\n   # still nothing\n", {}, nullptr},
      // An answer before the first topic is dropped; of two answers the later one counts.
      {">orphan\n?A\n>first\n>second\n?B\n>\n", {"?A=second", "?B="}, nullptr},
      {"?ABCDE\n", {"?ABCDE="}, nullptr},
      {"?A\n>" + a45 + "\n", {"?A=" + a45}, nullptr},
      {"?A\n>" + a45 + "bc\n", {"?A=" + a45}, "Response too long, shortened to 45 characters"},
  };
  for (const auto& [bytes, loaded, warning] : files) {
    txtStatus.content.clear();
    EXPECT_EQ(Load(bytes), loaded) << bytes;
    Lines lines{"loading BRV topic definition from " + Path()};
    if (warning != nullptr) lines.push_back(warning);
    EXPECT_EQ(StatusLines(), lines) << bytes;
  }
  EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(TopicDefinitionsTest, TooManyOrTooLongTopicsAreCritical) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "?T" + std::to_string(i) + "\n";
  EXPECT_EQ(Load(ten).size(), 10U);
  // The count is tested before the length.
  EXPECT_EQ(CriticalOf(ten + "?TOOLONGNAME\n"), "More then 10 topics defined in BRV.TXT file.");
  EXPECT_EQ(CriticalOf("?ok\n?abcdef\n"), "Topic ?abcdef is more then 6 characters");
}

TEST_F(TopicDefinitionsTest, MissingOrUnreadableFileIsCriticalWithTheSystemError) {
  EXPECT_THROW(topicDefinitions.LoadTopicDefinitions(), ProgramEnded);
  EXPECT_EQ(CriticalText(), "Can not open BRV definition file " + Path() +
                                "\r\nError 2 No such file or directory ");
  // A folder opens but cannot be read: the error of the failed read, not a stale or empty one.
  std::filesystem::create_directory(Path());
  EXPECT_THROW(topicDefinitions.LoadTopicDefinitions(), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open BRV definition file " + Path() + "\r\nError 21 Is a directory ");
}

TEST_F(TopicDefinitionsTest, ReloadKeepsEntriesAboveTheNewCountButRenewsReusedEntries) {
  Load("?OLD1\n>one\n?OLD2\n>two\n");
  topics[1].strObject = "OLD1";
  topics[1].dblLat = 49.0;
  EXPECT_EQ(Load("?NEW\n"), Lines{"?NEW="});
  // The reused entry answers for its new topic only.
  EXPECT_EQ(topics[1].strObject, "");
  EXPECT_EQ(topics[1].dblLat, 0.0);
  EXPECT_EQ(topics[2].strTopic + "=" + topics[2].strResponse, "?OLD2=two");
}

}  // namespace
}  // namespace brevio::test
