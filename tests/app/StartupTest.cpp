// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/HostVersion.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/PathText.h"
#include "platform/IniFileReader.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

// The platform's pieces, recording each call with the number of status lines written before
// it. Each wait of the definition watch runs `onWait`.
struct Platform : SingleInstance,
                  MainWindow,
                  EventLoop,
                  FolderWatch,
                  CheckMark,
                  ServiceManager,
                  StationLock {
  explicit Platform(const CoreHarness& harness) : core(harness) {}

  std::function<void()> onWait;
  std::function<void()> commandsGone;
  bool otherRunning = false;
  std::optional<std::string> stationHolder;
  std::string title = "BRV";
  Lines calls;

  bool OtherInstanceRunning() override { return otherRunning; }
  std::string ApplicationTitle() override { return title; }
  void SetApplicationTitle(const std::string& text) override { Add("title " + (title = text)); }
  void ActivateInstance(const std::string& text) override { Add("activate " + text); }
  void SetCaption(const std::string& caption) override { Add("caption " + caption); }
  void CentreAndShow() override { Add("show"); }
  CheckMark& ScanForQdosMark() override { return *this; }
  void SetChecked(bool checked) override { Add(checked ? "scan on" : "scan off"); }
  void ConnectCommands(Server&) override { Add("commands"); }
  void DisconnectCommands() override {
    if (commandsGone) commandsGone();
  }
  void Release() override { Add("release"); }
  void ProcessPendingEvents() override { Add("pending events"); }
  bool Create(const std::string&) override { return Add("watch"); }
  bool Wait(std::int32_t) override {
    Add("wait");
    onWait();
    return false;
  }
  void Rearm() override { Add("rearm"); }
  void Close() override { Add("close"); }
  void NotifyReady() override { Add("ready"); }
  void NotifyStopping() override { Add("stopping"); }
  std::optional<std::string> ClaimStation(const std::string& call) override {
    Add("claim " + call);
    return stationHolder;
  }

  long Count(const std::string& call) const {
    return std::count_if(calls.begin(), calls.end(),
                         [&call](const std::string& c) { return c.starts_with(call + " @"); });
  }

  bool Add(const std::string& call) {
    calls.push_back(call + " @" + std::to_string(core.StatusLines().size()));
    return true;
  }
  const CoreHarness& core;
};

struct FakeHostVersion : HostVersionSource {
  std::optional<FixedFileVersion> version = FixedFileVersion{2, 0, 0, 3};
  Lines paths;

  std::optional<FixedFileVersion> HostFileVersion(const std::string& exePath) override {
    paths.push_back(exePath);
    return version;
  }
};

// The settings file of PA3XYZ-5 with one line changed: "KEY=value" replaces the line of KEY, a
// bare "KEY" leaves it out, anything else changes nothing.
std::string StationIni(const std::string& change = "") {
  const std::string key = change.substr(0, change.find('='));
  std::string ini;
  for (const std::string line :
       {"[STATION]", "CALLSIGN=PA3XYZ-5", "LATITUDE=5212.34N", "LONGITUDE=00512.34W", "[MESSAGES]",
        "REMOTE_COMMANDS=2", "NOT_FROM_ME=FALSE", "DEFAULT_PORT=1"}) {
    if (key.empty() || !line.starts_with(key + "=")) {
      ini += line + "\r\n";
    } else if (change != key) {
      ini += change + "\r\n";
    }
  }
  return ini;
}

// Start-up over a fake host and a recording platform in a station of its own: the settings
// above, the topics ?WX and ?NET and an object WX in range. Unless the test says otherwise the
// first wait of the watch unloads.
struct StartupHarness {
  StartupHarness() {
    platform.onWait = [this] { server().shutdown.Unload(); };
    core.info.programFolder = programFolder.Path();
    core.info.executableBaseName = "brevio";
    core.info.documentFolder = "/usr/share/doc/brevio";
    hostFolder.Write("uiview32.ini", StationIni());
    programFolder.Write("brv.txt", "?WX\r\n>Sunny, 20 C\r\n?NET\r\n>Mondays 20:00\r\n");
    hostFolder.Write("overlays/brv.pos", "WX!5212.00N/00512.00W_\r\n");
  }

  // True when start-up came to its end, false when a critical message ended it.
  bool Start() try {
    startup.Run();
    return true;
  } catch (const ProgramEnded&) {
    return false;
  }

  Server& server() { return *startup.server(); }

  TempFolder hostFolder;
  TempFolder programFolder;
  CoreHarness core;
  FakeHost host;
  FixedFolderSetting setting{hostFolder.Path()};
  HostFolder folder{setting, core.messages};
  FakeHostVersion version;
  Platform platform{core};
  IniFileReader ini;
  ManualTimer timer1;
  RequestGate gate{core.clock, timer1, core.log};
  Startup startup{
      {core.info, core.log, core.messages, core.clock, folder, host.Connector()},
      {platform, version, ini, platform, {gate, platform, platform, platform, platform}}};
  const std::string title = MakeProgramTitle();
};

struct StartupTest : ::testing::Test, StartupHarness {};

TEST_F(StartupTest, RunsEveryStepInOrderThenServesInTheWatchUntilTheUnload) {
  core.clock.tick = 3723000;
  ASSERT_TRUE(gate.AdmitRequest("PA0AAA", "?WX", "7"));  // start-up clears the gate
  ASSERT_TRUE(Start()) << core.CriticalText();

  Lines logged = {"start of " + title,
                  "getting station-id from uiview32.ini",
                  " -> station-id = PA3XYZ-5",
                  "getting station position form uiview32.ini",
                  "checking if remote commands from ANYBODY are allowed",
                  "checking if the Message option 'Don't show from me' is unchecked",
                  "Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI",
                  "DEFAULT_PORT = 1",
                  "loading BRV topic definition from " + JoinPath(programFolder.Path(), "brv.txt"),
                  "loading BRV object definitions from " +
                      JoinPath(JoinPath(hostFolder.Path(), "overlays"), "brv.pos"),
                  "Start of deleting objects",
                  "End of deleting objects"};
  EXPECT_EQ(core.StatusLines(), logged);
  logged.push_back("end of " + title);
  EXPECT_EQ(core.LogFileLines(), logged);
  EXPECT_EQ(platform.calls,
            (Lines{"caption " + title + " @0", "show @0", "commands @1", "scan on @1",
                   "claim PA3XYZ-5 @8", "show @10", "pending events @10", "ready @10", "watch @10",
                   "wait @10", "stopping @10", "pending events @10", "close @10", "release @12",
                   "pending events @12"}));

  EXPECT_EQ(gate.RecentRequests(1).messageId, "-1");
  EXPECT_EQ(core.info.ProgramVersionText, MakeProgramVersionText());
  EXPECT_EQ(core.info.HelpDocumentPath, "/usr/share/doc/brevio/brevio.html");
  EXPECT_EQ(version.paths, Lines{JoinPath(hostFolder.Path(), "uiview32.exe")});
  EXPECT_EQ(core.info.StartTimeText, "06.12.2026 01:02:03");
  EXPECT_EQ(host.connections, 1);
  EXPECT_EQ(server().station.StationCall, "PA3XYZ-5");
  EXPECT_NEAR(server().station.StationLat, 52.0 + 12.34 / 60.0, 1e-5);
  EXPECT_NEAR(server().station.StationLong, -(5.0 + 12.34 / 60.0), 1e-5);
  EXPECT_EQ(server().topics.TopicCount, 2);
  EXPECT_EQ(server().topics[1].strObject, "WX");
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 1U);
}

// The host closing logs, removes the last object placed for a topic (only that one is kept)
// and ends at once; the menu's Exit, the window closed and the host closing unload only once.
TEST(ShutdownTest, UnloadsOnceWhicheverTriggersCome) {
  for (const bool exitFirst : {false, true}) {
    SCOPED_TRACE(exitFirst);
    StartupHarness h;
    h.platform.onWait = [&h, exitFirst] {
      if (!exitFirst) {
        h.server().objects.CreateTopicObject(1);
        h.server().objects.CreateTopicObject(1);
      }
      h.core.txtStatus.content.clear();
      h.host.calls.clear();
      if (exitFirst) {
        h.server().shutdown.Unload();  // the menu's Exit
        h.server().shutdown.Unload();  // then the window closed
      }
      h.host.events->UIView32IsClosing();
    };
    ASSERT_TRUE(h.Start()) << h.core.CriticalText();
    const std::string closed = "Received IsClosing event from UIView32";
    const std::string start = "Start of deleting objects", end = "End of deleting objects";
    EXPECT_EQ(h.core.StatusLines(),
              (exitFirst ? Lines{start, end, closed, "Closing down " + h.title}
                         : Lines{closed, "Closing down " + h.title, start, "Object deleted (WX01)",
                                 end}));
    EXPECT_EQ(h.host.CallsOf("DeleteObject"),
              exitFirst ? Lines{} : Lines{"DeleteObject(WX01|true)"});
    const Lines logged = h.core.LogFileLines();
    EXPECT_EQ(logged.back(), (exitFirst ? "Closing down " : "end of ") + h.title);
    EXPECT_EQ(std::count(logged.begin(), logged.end(), "end of " + h.title), 1);
    EXPECT_TRUE(h.server().shutdown.EndAtOnce());
    EXPECT_EQ(h.platform.Count("release"), 1);
    EXPECT_EQ(h.platform.Count("stopping"), 1);
  }
}

// The window's commands capture the server: they are cut when it goes, once.
TEST(ShutdownTest, TheCommandsAreCutWhenTheServerGoes) {
  int cut = 0;
  {
    StartupHarness h;
    ASSERT_TRUE(h.Start()) << h.core.CriticalText();
    h.platform.commandsGone = [&cut] { ++cut; };
    EXPECT_EQ(cut, 0);
  }
  EXPECT_EQ(cut, 1);
}

// The host's version is a + "." + b + d, compared as text: 2.100 lies between 1.99 and 2.99.
TEST(HostVersionTest, TakesItsTextFromTheFileVersionAndAcceptsOnly199To299AsText) {
  const std::tuple<FixedFileVersion, const char*, bool> versions[] = {
      {{1, 9, 0, 9}, "1.99", true}, {{2, 9, 7, 9}, "2.99", true},  {{2, 10, 0, 0}, "2.100", true},
      {{2, 0, 0, 3}, "2.03", true}, {{1, 9, 0, 8}, "1.98", false}, {{3, 0, 0, 0}, "3.00", false}};
  FakeHostVersion source;
  for (const auto& [version, text, supported] : versions) {
    source.version = version;
    EXPECT_EQ(GetHostExeVersion(source, "uiview32.exe"), text);
    EXPECT_EQ(IsSupportedHostVersion(text), supported) << text;
  }
  source.version.reset();
  EXPECT_EQ(GetHostExeVersion(source, "uiview32.exe"), kNoHostExeVersion);
}

// Settings start-up goes on with: the port it takes and the warning it gives, if any (an index
// into `warnings`), as a status line and an informational message.
TEST(StartupSettingsTest, GoOnWithTheirValueAndWarnOnlyWhereTheyMust) {
  const std::pair<std::string, std::string> warnings[] = {
      {"", ""},
      {"Only remote topics from 'Only me' are allowed!, program will continue, but you should "
       "allow Anyone to send remote topics",
       "You should first set the UIView32 menu 'Options, Remote topics' option to "
       "'Anyone'\r\nYou now only can process your own remote topics!"},
      {"The Message option 'Don't show from me' is checked: you can not send remote commands to "
       "your own BRV server (using the same callsign), the program will continue, but you should "
       "uncheck the option.",
       "You should uncheck the Message option 'Don't show from me'\r\n you can not send remote "
       "commands to your own BRV server (using the same callsign)!"}};
  const std::tuple<const char*, std::int16_t, int> settings[] = {
      {"REMOTE_COMMANDS=1", 1, 1}, {"REMOTE_COMMANDS=3", 1, 0}, {"REMOTE_COMMANDS=", 1, 0},
      {"NOT_FROM_ME=TRUE", 1, 2},  {"NOT_FROM_ME=True", 1, 0},  {"NOT_FROM_ME=true", 1, 0},
      {"NOT_FROM_ME", 1, 0},       {"DEFAULT_PORT=2.5", 2, 0},  {"DEFAULT_PORT", 1, 0}};
  for (const auto& [change, port, warningIndex] : settings) {
    SCOPED_TRACE(change);
    const auto& [warning, message] = warnings[warningIndex];
    StartupHarness h;
    h.hostFolder.Write("uiview32.ini", StationIni(change));
    ASSERT_TRUE(h.Start()) << h.core.CriticalText();
    EXPECT_EQ(h.server().station.DefaultPort, port);
    const Lines lines = h.core.StatusLines();
    const bool warned = !warning.empty();
    EXPECT_EQ(lines.size(), warned ? 13U : 12U);  // with the unload's two lines
    EXPECT_EQ(lines.at(warned ? 8 : 7), "DEFAULT_PORT = " + std::to_string(port));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), warning), warned);
    Lines shown;  // the bodies of the messages, "?" for one that is not informational
    for (const auto& m : h.core.dialog.shown) {
      shown.push_back(m.icon == MessageIcon::Information ? m.body : "?");
    }
    EXPECT_EQ(shown, warned ? Lines{"\r\n\r\n" + message} : Lines{});
  }
}

// Each refusal ends start-up with its critical message after its last status lines (none:
// before the window is shown); the watch is never entered. A change is a settings line (see
// StationIni) or what is wrong with the host.
TEST(StartupRefusalTest, EndsWithItsCriticalMessage) {
  const std::string call = "Error getting station callsign from UIView32.INI";
  const std::string lat = "Error getting station latitude from UIView32.INI";
  const std::string lon = "Error getting station longitude from UIView32.INI";
  const std::string anyone =
      "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'";
  const std::string position = "getting station position form uiview32.ini";
  const std::string halted = "remote topics from ANYBODY are NOT allowed!, program will be halted";
  const std::tuple<std::string, std::string, Lines> refusals[] = {
      {"second instance", "Another instance of this program is already running", {}},
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
      {"station served",
       "Another brevio already serves PA3XYZ-5 on this machine (process 4321 of user op): stop "
       "it first, or give this station a call of its own",
       {"DEFAULT_PORT = 1"}},
      {"DEFAULT_PORT=32767.5",
       "Error getting DEFAULT_PORT from UIView32.INI",
       {"Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI"}},
  };
  for (const auto& [change, critical, lastLines] : refusals) {
    SCOPED_TRACE(change);
    StartupHarness h;
    h.hostFolder.Write("uiview32.ini", change == "no settings file" ? "" : StationIni(change));
    if (change == "no host executable") h.version.version.reset();
    if (change == "host 3.00") h.version.version = FixedFileVersion{3, 0, 0, 0};
    h.host.refuseConnections = change == "host down";
    h.platform.otherRunning = change == "second instance";
    if (change == "station served") h.platform.stationHolder = "process 4321 of user op";
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.core.CriticalText(), critical);
    const Lines lines = h.core.StatusLines();
    ASSERT_GE(lines.size(), lastLines.size());
    EXPECT_TRUE(!lastLines.empty() || lines.empty());
    EXPECT_EQ(Lines(lines.end() - static_cast<std::ptrdiff_t>(lastLines.size()), lines.end()),
              lastLines);
    EXPECT_EQ(h.platform.Count("show"), lines.empty() ? 0 : 1);
    EXPECT_EQ(h.platform.Count("watch") + h.platform.Count("ready"), 0);
    EXPECT_EQ(h.host.connections, lines.empty() || h.host.refuseConnections ? 0 : 1);
    EXPECT_EQ(h.version.paths.empty(), h.platform.otherRunning);
    if (!h.platform.otherRunning) continue;
    EXPECT_THAT(h.platform.calls,
                ElementsAre("title ... duplicate instance. @0",
                            "caption ... duplicate instance. @0", "activate BRV @0"));
  }
}

}  // namespace
}  // namespace brevio::test
