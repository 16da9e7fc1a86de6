#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/StartupHarness.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;

// Each test does its part while the server serves; what the status box shows from then on is
// what the test looks at.
class ShutdownTest : public ::testing::Test {
 protected:
  bool RunServing(const std::function<void()>& whileServing) {
    h.platform.onWait = [&] {
      h.core.txtStatus.content.clear();
      h.host.calls.clear();
      whileServing();
    };
    return h.Run();
  }

  void HostCloses() { h.host.events->UIView32IsClosing(); }

  long Releases() const {
    return std::count_if(h.platform.calls.begin(), h.platform.calls.end(),
                         [](const std::string& call) { return call.starts_with("release"); });
  }

  StartupHarness h;
  const std::string title_ = MakeProgramTitle();
};

TEST_F(ShutdownTest, HostClosingLogsThenRemovesTheObjectsPlacedAndEndsTheLogFile) {
  ASSERT_TRUE(RunServing([this] {
    h.server().objects.CreateTopicObject(1);
    h.server().objects.CreateTopicObject(1);
    h.core.txtStatus.content.clear();
    h.host.calls.clear();
    HostCloses();
  }));
  EXPECT_THAT(
      h.core.StatusLines(),
      ElementsAre("Received IsClosing event from UIView32", "Closing down " + title_,
                  "Start of deleting objects", "Object deleted (WX01)", "End of deleting objects"));
  // Only the last object placed for a topic is remembered.
  EXPECT_THAT(h.host.CallsOf("DeleteObject"), ElementsAre("DeleteObject(WX01|true)"));
  EXPECT_EQ(h.core.LogFileLines().back(), "end of " + title_);
  EXPECT_TRUE(h.server().shutdown.EndAtOnce());
  EXPECT_EQ(Releases(), 1);
}

TEST_F(ShutdownTest, TheUnloadRunsOnceWhicheverTriggersCome) {
  ASSERT_TRUE(RunServing([this] {
    h.server().shutdown.Unload();  // the menu's Exit
    h.server().shutdown.Unload();  // then the window closed
    HostCloses();
  }));
  EXPECT_THAT(h.core.StatusLines(),
              ElementsAre("Start of deleting objects", "End of deleting objects",
                          "Received IsClosing event from UIView32", "Closing down " + title_));
  const std::vector<std::string> logged = h.core.LogFileLines();
  EXPECT_EQ(std::count(logged.begin(), logged.end(), "end of " + title_), 1);
  EXPECT_EQ(Releases(), 1);
  EXPECT_TRUE(h.host.CallsOf("DeleteObject").empty());
}

}  // namespace
}  // namespace brevio::test
