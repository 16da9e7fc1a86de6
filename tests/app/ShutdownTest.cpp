#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/Server.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/FixedFolderSetting.h"
#include "support/ManualTimer.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;

class ShutdownTest : public ::testing::Test {
 protected:
  ShutdownTest() {
    core.info.ProgramTitle = "Brevio V1";
    core.info.ProgramFolder = program.Path();
    program.Write("brv.txt", "?HELP\n>Help text\n");
    host.Write("overlays/brv.pos", "HELP!4903.50N/07201.75W-\n");
    server.topicDefinitions.LoadTopicDefinitions();
    server.objectDefinitions.LoadObjectDefinitions();
    core.txtStatus.content.clear();
    core.logFile.files.clear();
  }

  // The host's closing event, as the host raises it.
  void HostCloses() { fakeHost.events->UIView32IsClosing(); }

  long Releases() const {
    return std::count_if(platform.calls.begin(), platform.calls.end(),
                         [](const std::string& call) { return call.starts_with("release"); });
  }

  TempFolder program;
  TempFolder host;
  CoreHarness core;
  FakeHost fakeHost;
  FixedFolderSetting setting{host.Path()};
  HostFolder hostFolder{setting, core.messages};
  ManualTimer timer1;
  RequestGate gate{core.clock, timer1, core.log};
  RecordingPlatform platform{core};
  Server server{fakeHost.Connector().Connect(),
                {core.info, core.log, core.messages, core.clock, hostFolder, fakeHost.Connector()},
                {gate, platform, platform, platform}};
};

TEST_F(ShutdownTest, HostClosingLogsThenRemovesTheObjectsPlacedAndEndsTheLogFile) {
  server.objects.CreateTopicObject(1);
  server.objects.CreateTopicObject(1);
  core.txtStatus.content.clear();
  fakeHost.calls.clear();

  HostCloses();
  EXPECT_THAT(core.StatusLines(),
              ElementsAre("Received IsClosing event from UIView32", "Closing down Brevio V1",
                          "Start of deleting objects", "Object deleted (HELP01)",
                          "End of deleting objects"));
  // Only the last object placed for a topic is remembered.
  EXPECT_THAT(fakeHost.CallsOf("DeleteObject"), ElementsAre("DeleteObject(HELP01|true)"));
  EXPECT_EQ(core.LogFileLines().back(), "end of Brevio V1");
  EXPECT_TRUE(server.shutdown.EndAtOnce());
  EXPECT_EQ(Releases(), 1);
}

TEST_F(ShutdownTest, TheUnloadRunsOnceWhicheverTriggersCome) {
  server.shutdown.Unload();  // the menu's Exit
  server.shutdown.Unload();  // then the window closed
  HostCloses();
  EXPECT_THAT(core.StatusLines(),
              ElementsAre("Start of deleting objects", "End of deleting objects",
                          "Received IsClosing event from UIView32", "Closing down Brevio V1"));
  EXPECT_EQ(core.LogFileLines().size(), 5U);
  EXPECT_EQ(Releases(), 1);
  EXPECT_FALSE(fakeHost.CallsOf("DeleteObject").size() > 0);
}

TEST_F(ShutdownTest, AFailingDeleteIsReportedAndTheUnloadGoesOn) {
  server.objects.CreateTopicObject(1);
  fakeHost.failing = {"DeleteObject"};
  core.txtStatus.content.clear();
  server.shutdown.Unload();
  EXPECT_THAT(core.StatusLines(),
              ElementsAre("Start of deleting objects", "Host call failed: DeleteObject failed",
                          "End of deleting objects"));
  EXPECT_EQ(core.LogFileLines().back(), "end of Brevio V1");
}

}  // namespace
}  // namespace brevio::test
