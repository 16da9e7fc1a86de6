#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/HostVersion.h"
#include "base/PathText.h"
#include "support/StartupHarness.h"

namespace brevio::test {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupHarness h;
};

TEST_F(StartupTest, RunsEveryStepInOrderThenServesInTheWatchUntilTheUnload) {
  h.core.clock.tick = 3723000;
  ASSERT_TRUE(h.gate.AdmitRequest("PA0AAA", "?WX", "7"));  // start-up clears the gate
  h.core.txtStatus.content.clear();
  h.core.logFile.files.clear();
  ASSERT_TRUE(h.Run()) << h.core.CriticalText();

  const std::string title = MakeProgramTitle();
  EXPECT_EQ(h.core.StatusLines(),
            (std::vector<std::string>{
                "start of " + title,
                "getting station-id from uiview32.ini",
                " -> station-id = PA3XYZ-5",
                "getting station position form uiview32.ini",
                "checking if remote commands from ANYBODY are allowed",
                "checking if the Message option 'Don't show from me' is unchecked",
                "Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI",
                "DEFAULT_PORT = 1",
                "loading BRV topic definition from " + JoinPath(h.programFolder.Path(), "brv.txt"),
                "loading BRV object definitions from " +
                    JoinPath(JoinPath(h.hostFolder.Path(), "overlays"), "brv.pos"),
                "Start of deleting objects",
                "End of deleting objects",
            }));
  std::vector<std::string> logged = h.core.StatusLines();
  logged.push_back("end of " + title);
  EXPECT_EQ(h.core.LogFileLines(), logged);
  EXPECT_EQ(h.platform.calls,
            (std::vector<std::string>{"caption " + title + " @0", "show @0", "commands @1",
                                      "scan on @1", "show @10", "pending events @10", "watch @10",
                                      "wait @10", "pending events @10", "close @10", "release @12",
                                      "pending events @12"}));
  EXPECT_TRUE(h.core.dialog.shown.empty());

  EXPECT_EQ(h.gate.RecentRequests(1).messageId, "-1");
  EXPECT_EQ(h.core.info.ProgramTitle, title);
  EXPECT_EQ(h.core.info.ProgramVersionText, MakeProgramVersionText());
  EXPECT_EQ(h.core.info.HelpDocumentPath, JoinPath(h.programFolder.Path(), "brevio.html"));
  EXPECT_EQ(h.version.paths,
            std::vector<std::string>{JoinPath(h.hostFolder.Path(), "uiview32.exe")});
  EXPECT_EQ(h.core.info.StartTimeText, "06.12.2026 01:02:03");

  const Server& server = h.server();
  EXPECT_EQ(h.host.connections, 1);
  EXPECT_EQ(server.station.StationCall, "PA3XYZ-5");
  EXPECT_NEAR(server.station.StationLat, 52.0 + 12.34 / 60.0, 1e-5);
  EXPECT_NEAR(server.station.StationLong, -(5.0 + 12.34 / 60.0), 1e-5);
  EXPECT_EQ(server.topics.TopicCount, 2);
  EXPECT_EQ(server.topics[1].strObject, "WX");
  EXPECT_EQ(h.host.CallsOf("DistanceBearing").size(), 1U);
}

TEST_F(StartupTest, SecondInstanceTakesTheDuplicateTitleAndActivatesTheRunningOne) {
  h.platform.otherRunning = true;
  EXPECT_FALSE(h.Run());
  EXPECT_EQ(h.core.CriticalText(), "Another instance of this program is already running");
  EXPECT_EQ(h.platform.calls,
            (std::vector<std::string>{"title ... duplicate instance. @0",
                                      "caption ... duplicate instance. @0", "activate BRV @0"}));
  EXPECT_EQ(h.host.connections, 0);
  EXPECT_TRUE(h.version.paths.empty());
}

// The host's version is a + "." + b + d, compared as text: 2.100 lies between 1.99 and 2.99.
TEST(HostVersionTest, TakesItsTextFromTheFileVersionAndAcceptsOnly199To299AsText) {
  const struct {
    FixedFileVersion version;
    const char* text;
    bool supported;
  } versions[] = {{{1, 9, 0, 9}, "1.99", true},
                  {{2, 9, 7, 9}, "2.99", true},
                  {{2, 10, 0, 0}, "2.100", true},
                  {{1, 9, 0, 8}, "1.98", false},
                  {{3, 0, 0, 0}, "3.00", false}};
  FakeHostVersion source;
  for (const auto& [version, text, supported] : versions) {
    source.version = version;
    EXPECT_EQ(GetHostExeVersion(source, "uiview32.exe"), text);
    EXPECT_EQ(IsSupportedHostVersion(text), supported) << text;
  }
  source.version.reset();
  EXPECT_EQ(GetHostExeVersion(source, "uiview32.exe"), kNoHostExeVersion);
}

// Settings that start-up goes on with: the port it takes, and the warning (a status line and
// an informational message) it gives, if any.
TEST(StartupSettingsTest, GoOnWithTheirValueAndWarnOnlyWhereTheyMust) {
  const std::string onlyMe =
      "Only remote topics from 'Only me' are allowed!, program will continue, but you should "
      "allow Anyone to send remote topics";
  const std::string notFromMe =
      "The Message option 'Don't show from me' is checked: you can not send remote commands to "
      "your own BRV server (using the same callsign), the program will continue, but you should "
      "uncheck the option.";
  const struct {
    const char* change;
    std::int16_t port;
    std::string warning;
    std::string message;
  } settings[] = {
      {"REMOTE_COMMANDS=1", 1, onlyMe,
       "You should first set the UIView32 menu 'Options, Remote topics' option to "
       "'Anyone'\r\nYou now only can process your own remote topics!"},
      {"REMOTE_COMMANDS=3", 1, "", ""},
      {"REMOTE_COMMANDS=", 1, "", ""},
      {"NOT_FROM_ME=TRUE", 1, notFromMe,
       "You should uncheck the Message option 'Don't show from me'\r\n you can not send remote "
       "commands to your own BRV server (using the same callsign)!"},
      {"NOT_FROM_ME=True", 1, "", ""},
      {"NOT_FROM_ME=true", 1, "", ""},
      {"NOT_FROM_ME", 1, "", ""},
      {"DEFAULT_PORT=2.5", 2, "", ""},
      {"DEFAULT_PORT", 1, "", ""},
  };
  for (const auto& [change, port, warning, message] : settings) {
    SCOPED_TRACE(change);
    StartupHarness h;
    h.hostFolder.Write("uiview32.ini", StationIni(change));
    ASSERT_TRUE(h.Run()) << h.core.CriticalText();
    EXPECT_EQ(h.server().station.DefaultPort, port);
    const std::vector<std::string> lines = h.core.StatusLines();
    const bool warned = !warning.empty();
    EXPECT_EQ(lines.size(), warned ? 13U : 12U);  // with the unload's two lines
    EXPECT_EQ(lines.at(warned ? 8 : 7), "DEFAULT_PORT = " + std::to_string(port));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), warning), warned);
    EXPECT_EQ(h.Informational(),
              warned ? std::vector<std::string>{"\r\n\r\n" + message} : std::vector<std::string>{});
  }
}

// Each refusal ends start-up with its critical message after its last status lines (none:
// before the window is shown); the watch is never entered. A change names a settings line
// (see StationIni) or what is wrong with the host.
TEST(StartupRefusalTest, EndsWithItsCriticalMessage) {
  const std::string call = "Error getting station callsign from UIView32.INI";
  const std::string lat = "Error getting station latitude from UIView32.INI";
  const std::string lon = "Error getting station longitude from UIView32.INI";
  const std::string anyone =
      "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'";
  const std::string position = "getting station position form uiview32.ini";
  const std::string halted = "remote topics from ANYBODY are NOT allowed!, program will be halted";
  const struct {
    std::string change;
    std::string critical;
    std::vector<std::string> lastLines;
  } refusals[] = {
      {"no host executable",
       "Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory",
       {}},
      {"host 3.00",
       "Your current version of uiview32 (3.00) is invalid for this add-on, minimum version "
       "1.99, maximum version 2.99 is required",
       {}},
      {"host down",
       "Unable to connect to UIView32 (no host running)",
       {"Host call failed: no host running"}},
      {"no settings file",
       call,
       {"getting station-id from uiview32.ini", " -> station-id = NOCALL"}},
      {"CALLSIGN=NOCALL", call, {" -> station-id = NOCALL"}},
      {"CALLSIGN=", call, {" -> station-id = "}},
      {"LATITUDE", lat, {position}},
      {"LATITUDE=52.2N", lat, {position}},
      {"LATITUDE=00512.34E", lat, {position}},
      {"LONGITUDE", lon, {position}},
      {"LONGITUDE=", lon, {position}},
      {"REMOTE_COMMANDS=0",
       anyone,
       {"checking if remote commands from ANYBODY are allowed", halted}},
      {"REMOTE_COMMANDS", anyone, {halted}},
      {"DEFAULT_PORT=32767.5",
       "Error getting DEFAULT_PORT from UIView32.INI",
       {"Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI"}},
  };
  for (const auto& [change, critical, lastLines] : refusals) {
    SCOPED_TRACE(change);
    StartupHarness h;
    const bool host = change.find(' ') != std::string::npos;
    h.hostFolder.Write("uiview32.ini", change == "no settings file" ? ""
                                       : host                       ? StationIni()
                                                                    : StationIni(change));
    if (change == "no host executable") h.version.version.reset();
    if (change == "host 3.00") h.version.version = FixedFileVersion{3, 0, 0, 0};
    h.host.refuseConnections = change == "host down";
    EXPECT_FALSE(h.Run());
    EXPECT_EQ(h.core.CriticalText(), critical);
    const std::vector<std::string> lines = h.core.StatusLines();
    const auto count = static_cast<std::ptrdiff_t>(lastLines.size());
    EXPECT_TRUE(count != 0 || lines.empty());
    ASSERT_GE(lines.end() - lines.begin(), count);
    EXPECT_EQ(std::vector<std::string>(lines.end() - count, lines.end()), lastLines);
    const auto& calls = h.platform.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "show @0"), lines.empty() ? 0 : 1);
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(),
                             [](const std::string& c) { return c.starts_with("watch"); }));
  }
}

}  // namespace
}  // namespace brevio::test
