#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

#include "definitions/DefinitionWatch.h"
#include "support/DefinitionFiles.h"

namespace brevio::test {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::StartsWith;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A folder notification driven by the test: each wait runs the next scripted step (what
// happens in the world while the loop waits) and reports whether the folder signalled. It is
// the event loop too, counting its passes.
class ScriptedFolderWatch : public FolderWatch, public EventLoop {
 public:
  std::deque<std::pair<std::function<void()>, bool>> steps;
  bool creatable = true;
  int rearms = 0, closes = 0, processed = 0;
  std::vector<std::int32_t> waits;  // the bound of each

  bool Create(const std::string&) override { return creatable; }
  bool Wait(std::int32_t ms) override {
    waits.push_back(ms);
    if (steps.empty()) return false;
    const auto [meanwhile, signalled] = steps.front();
    steps.pop_front();
    if (meanwhile) meanwhile();
    return signalled;
  }
  void Rearm() override { ++rearms; }
  void Close() override { ++closes; }
  void ProcessPendingEvents() override { ++processed; }
};

const std::string kReloaded = "File BRV.TXT has changed, reloading definition files. ";

class DefinitionWatchTest : public ::testing::Test, protected DefinitionFiles {
 protected:
  DefinitionWatchTest() {
    program.Write("brv.txt", "?WX\n>Sunny\n");
    hostFiles.Write("overlays/brv.pos", "*\n");
  }

  // Runs the watch through the scripted steps, then stops it; gives the status lines written.
  std::vector<std::string> Run() {
    Step([this] { watch.StopDefinitionWatch(); }, false);
    watch.StartDefinitionWatch();
    return StatusLines();
  }

  void Step(std::function<void()> meanwhile, bool signalled = true) {
    folder.steps.emplace_back(std::move(meanwhile), signalled);
  }

  ScriptedFolderWatch folder;
  DefinitionWatch watch{info, topicDefinitions, objectDefinitions, folder, folder, log};
};

TEST_F(DefinitionWatchTest, ANewLengthReloadsBothFilesOnceHoweverOftenTheFolderSignals) {
  Step([&] { program.Write("brv.txt", "?WX\n>Rain\n"); });
  Step(nullptr);
  Step(nullptr);
  const auto lines = Run();
  EXPECT_THAT(lines, ElementsAre(kReloaded, StartsWith("loading BRV topic definition"),
                                 StartsWith("loading BRV object definitions")));
  EXPECT_EQ(topics[1].strResponse, "Rain");
  EXPECT_EQ(folder.rearms, 3);
  EXPECT_EQ(folder.closes, 1);
}

TEST_F(DefinitionWatchTest, AttributeChangeReloadsAndSameLengthEditDoesNot) {
  Step([&] { program.Write("brv.txt", "?WX\n>Snowy\n"); });  // same length as Sunny
  Step([&] { program.Write("notes.txt", "x"); });            // wakes the loop, changes nothing
  Step([&] {
    EXPECT_THAT(StatusLines(), IsEmpty());
    std::filesystem::permissions(program.Path() + "/brv.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  });
  EXPECT_THAT(Run(), Contains(kReloaded));
  EXPECT_EQ(topics[1].strResponse, "Snowy");
}

TEST_F(DefinitionWatchTest, AShutdownBeforeTheWatchLeavesNothingToWatch) {
  watch.StopDefinitionWatch();
  EXPECT_THAT(Run(), IsEmpty());
  EXPECT_EQ(folder.processed, 1);  // the stop's own
}

TEST_F(DefinitionWatchTest, MenuReloadIsJudgedAgainstTheLastWatchCheck) {
  Step([&] {
    hostFiles.Write("overlays/brv.pos", "WX!4903.50N/07201.75W-\n");
    watch.ReloadDefinition();  // an edit of the object file needs the menu command
    program.Write("brv.txt", "?WX\n>Sunny!\n");
  });
  const auto lines = Run();
  EXPECT_EQ(lines.front(), "Reloading definition files. ");
  EXPECT_THAT(lines, Contains(kReloaded));
  EXPECT_EQ(topics[1].strObject, "WX");
}

TEST_F(DefinitionWatchTest, AQuietFolderSleepsInWaitsThatOnlyItsSignalOrTheStopEnds) {
  Step(nullptr, false);
  Step(nullptr, false);
  Run();
  EXPECT_EQ(folder.processed, 3 + 1);  // three waits and the stop's own processing
  EXPECT_EQ(folder.rearms, 0);
  EXPECT_THAT(folder.waits, Each(FolderWatch::kUntilSignalled));
}

TEST_F(DefinitionWatchTest, WithoutANotificationEveryPassChecksTheFile) {
  folder.creatable = false;
  Step([&] { program.Write("brv.txt", "?WX\n>Cloudy\n"); }, false);
  const auto lines = Run();
  EXPECT_EQ(lines.front(), "No change notification for " + program.Path() +
                               "; checking the topic file every 100 ms");
  EXPECT_THAT(lines, Contains(kReloaded));
  EXPECT_THAT(folder.waits, Each(100));
  EXPECT_EQ(folder.closes, 1);  // which ends the wait in progress at once
}

TEST_F(DefinitionWatchTest, ADeletedTopicFileEndsTheProgramWithTheLoadsMessage) {
  Step([&] { std::filesystem::remove(program.Path() + "/brv.txt"); });
  EXPECT_THROW(Run(), ProgramEnded);
  EXPECT_EQ(dialog.shown.size(), 1U);
  EXPECT_EQ(CriticalText(), "Can not open BRV definition file " + program.Path() +
                                "/brv.txt\r\nError 2 No such file or directory ");
  EXPECT_THAT(StatusLines(), Contains(kReloaded));
}

}  // namespace
}  // namespace brevio::test
