#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "base/PathText.h"
#include "platform/IniFileReader.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/FixedFolderSetting.h"
#include "support/ManualTimer.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

class FakeHostVersion : public HostVersionSource {
 public:
  std::optional<FixedFileVersion> version = FixedFileVersion{2, 0, 0, 3};
  std::vector<std::string> paths;

  std::optional<FixedFileVersion> HostFileVersion(const std::string& exePath) override {
    paths.push_back(exePath);
    return version;
  }
};

const std::vector<std::string> kStationLines = {
    "[STATION]",  "CALLSIGN=PA3XYZ-5", "LATITUDE=5212.34N", "LONGITUDE=00512.34W",
    "[MESSAGES]", "REMOTE_COMMANDS=2", "NOT_FROM_ME=FALSE", "DEFAULT_PORT=1"};

// The station's settings file, with the line of `key` replaced by key=value, or left out when
// `value` is null.
std::string StationIni(const std::string& key = "", const char* value = "") {
  std::string ini;
  for (const std::string& line : kStationLines) {
    if (!key.empty() && line.rfind(key + "=", 0) == 0) {
      if (value != nullptr) ini += key + "=" + value + "\r\n";
    } else {
      ini += line + "\r\n";
    }
  }
  return ini;
}

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    platform.onWait = [this] { startup.server()->shutdown.Unload(); };
    core.info.ProgramFolder = programFolder.Path();
    core.info.ExecutableBaseName = "brevio";
    hostFolder.Write("uiview32.ini", StationIni());
    programFolder.Write("brv.txt", "?WX\r\n>Sunny, 20 C\r\n?NET\r\n>Mondays 20:00\r\n");
    hostFolder.Write("overlays/brv.pos", "WX!5212.00N/00512.00W_\r\n");
  }

  // Runs start-up; true when it came to its end, false when a critical message ended it.
  bool Run() {
    try {
      startup.Run();
      return true;
    } catch (const ProgramEnded&) {
      return false;
    }
  }

  // The text of the critical message that ended start-up, without the frame around it.
  std::string Critical() const {
    if (core.dialog.shown.empty()) return "(no message)";
    const ShownMessage& shown = core.dialog.shown.back();
    if (shown.icon != MessageIcon::Critical) return "(no critical message)";
    const std::size_t start = shown.body.find("\r\n\r\n") + 4;
    return shown.body.substr(start, shown.body.rfind("\r\n\r\n") - start);
  }

  std::vector<std::string> Informational() const {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : core.dialog.shown) {
      if (shown.icon == MessageIcon::Information) texts.push_back(shown.body);
    }
    return texts;
  }

  TempFolder hostFolder;
  TempFolder programFolder;
  CoreHarness core;
  FakeHost host;
  FixedFolderSetting setting{hostFolder.Path()};
  HostFolder folder{setting, core.messages};
  FakeHostVersion version;
  RecordingPlatform platform{core};
  IniFileReader ini;
  ManualTimer timer1;
  RequestGate gate{core.clock, timer1, core.log};
  Startup startup{{core.info, core.log, core.messages, core.clock, folder, host.Connector()},
                  {platform, version, ini, platform, platform, platform},
                  gate};
};

TEST_F(StartupTest, RunsEveryStepInOrderThenServesInTheWatchUntilTheUnload) {
  gate.AdmitRequest("PA0AAA", "?WX", "7");
  core.txtStatus.content.clear();
  core.logFile.files.clear();
  core.clock.tick = 3723000;
  ASSERT_TRUE(Run()) << Critical();

  const std::string title = MakeProgramTitle();
  EXPECT_EQ(core.StatusLines(),
            (std::vector<std::string>{
                "start of " + title,
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
                "End of deleting objects",
            }));
  std::vector<std::string> logged = core.StatusLines();
  logged.push_back("end of " + title);
  EXPECT_EQ(core.LogFileLines(), logged);
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"caption " + title + " @0", "show @0", "commands @1",
                                      "scan on @1", "show @10", "pending events @10", "watch @10",
                                      "wait @10", "pending events @10", "close @10", "release @12",
                                      "pending events @12"}));
  EXPECT_TRUE(core.dialog.shown.empty());

  EXPECT_EQ(gate.RecentRequests(1).messageId, "-1");
  EXPECT_EQ(core.info.ProgramTitle, title);
  EXPECT_EQ(core.info.ProgramVersionText, MakeProgramVersionText());
  EXPECT_EQ(core.info.HelpDocumentPath, JoinPath(programFolder.Path(), "brevio.html"));
  EXPECT_EQ(core.info.HostVersionText, "2.03");
  EXPECT_EQ(version.paths, std::vector<std::string>{JoinPath(hostFolder.Path(), "uiview32.exe")});
  EXPECT_EQ(core.info.StartTimeText, "06.12.2026 01:02:03");

  Server& server = *startup.server();
  EXPECT_EQ(host.connections, 1);
  EXPECT_EQ(server.station.StationCall, "PA3XYZ-5");
  EXPECT_NEAR(server.station.StationLat, 52.0 + 12.34 / 60.0, 1e-5);
  EXPECT_NEAR(server.station.StationLong, -(5.0 + 12.34 / 60.0), 1e-5);
  EXPECT_EQ(server.station.DefaultPort, 1);
  EXPECT_EQ(server.topics.TopicCount, 2);
  EXPECT_EQ(server.topics[1].strObject, "WX");
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 1U);
}

TEST_F(StartupTest, SecondInstanceTakesTheDuplicateTitleAndActivatesTheRunningOne) {
  platform.otherRunning = true;
  EXPECT_FALSE(Run());
  EXPECT_EQ(Critical(), "Another instance of this program is already running");
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"title ... duplicate instance. @0",
                                      "caption ... duplicate instance. @0", "activate BRV @0"}));
  EXPECT_EQ(host.connections, 0);
  EXPECT_TRUE(version.paths.empty());
}

struct HostVersionCase {
  FixedFileVersion version;
  const char* text;
};

class StartupHostVersionTest : public StartupTest,
                               public ::testing::WithParamInterface<HostVersionCase> {};

// The versions compare as texts: 2.100 lies between 1.99 and 2.99.
TEST_P(StartupHostVersionTest, AcceptsVersionsFrom199To299AsText) {
  version.version = GetParam().version;
  EXPECT_TRUE(Run()) << Critical();
  EXPECT_EQ(core.info.HostVersionText, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Accepted, StartupHostVersionTest,
                         ::testing::Values(HostVersionCase{{1, 9, 0, 9}, "1.99"},
                                           HostVersionCase{{2, 9, 7, 9}, "2.99"},
                                           HostVersionCase{{2, 10, 0, 0}, "2.100"}));

struct MessageOption {
  const char* key;
  const char* value;    // null: the key is missing
  const char* warning;  // the status line and the informational message, or "" for none
  const char* message;
};

class StartupMessageOptionTest : public StartupTest,
                                 public ::testing::WithParamInterface<MessageOption> {};

TEST_P(StartupMessageOptionTest, WarnsOnlyForItsOwnValueAndGoesOn) {
  const MessageOption& option = GetParam();
  hostFolder.Write("uiview32.ini", StationIni(option.key, option.value));
  ASSERT_TRUE(Run()) << Critical();
  const std::vector<std::string> lines = core.StatusLines();
  const bool warned = *option.warning != '\0';
  EXPECT_EQ(std::count(lines.begin(), lines.end(), option.warning), warned ? 1 : 0);
  EXPECT_EQ(lines.size(), warned ? 13U : 12U);  // with the unload's two lines
  EXPECT_EQ(Informational(),
            warned ? std::vector<std::string>{std::string("\r\n\r\n") + option.message}
                   : std::vector<std::string>{});
}

constexpr const char* kOnlyMe =
    "Only remote topics from 'Only me' are allowed!, program will continue, but you should "
    "allow Anyone to send remote topics";
constexpr const char* kOnlyMeMessage =
    "You should first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'\r\nYou "
    "now only can process your own remote topics!";
constexpr const char* kNotFromMe =
    "The Message option 'Don't show from me' is checked: you can not send remote commands to "
    "your own BRV server (using the same callsign), the program will continue, but you should "
    "uncheck the option.";
constexpr const char* kNotFromMeMessage =
    "You should uncheck the Message option 'Don't show from me'\r\n you can not send remote "
    "commands to your own BRV server (using the same callsign)!";

INSTANTIATE_TEST_SUITE_P(
    Values, StartupMessageOptionTest,
    ::testing::Values(MessageOption{"REMOTE_COMMANDS", "1", kOnlyMe, kOnlyMeMessage},
                      MessageOption{"REMOTE_COMMANDS", "2", "", ""},
                      MessageOption{"REMOTE_COMMANDS", "3", "", ""},
                      MessageOption{"REMOTE_COMMANDS", "", "", ""},
                      MessageOption{"NOT_FROM_ME", "TRUE", kNotFromMe, kNotFromMeMessage},
                      MessageOption{"NOT_FROM_ME", "True", "", ""},
                      MessageOption{"NOT_FROM_ME", "true", "", ""},
                      MessageOption{"NOT_FROM_ME", nullptr, "", ""}));

struct PortCase {
  const char* value;  // null: the key is missing
  std::int16_t port;
};

class StartupDefaultPortTest : public StartupTest,
                               public ::testing::WithParamInterface<PortCase> {};

// The leading number, rounded half to even; 0 when the text has none.
TEST_P(StartupDefaultPortTest, ReadsTheLeadingNumberRoundedHalfToEven) {
  hostFolder.Write("uiview32.ini", StationIni("DEFAULT_PORT", GetParam().value));
  ASSERT_TRUE(Run()) << Critical();
  EXPECT_EQ(startup.server()->station.DefaultPort, GetParam().port);
  EXPECT_EQ(core.StatusLines().at(7), "DEFAULT_PORT = " + std::to_string(GetParam().port));
}

INSTANTIATE_TEST_SUITE_P(Values, StartupDefaultPortTest,
                         ::testing::Values(PortCase{"2.5", 2}, PortCase{"3.5", 4},
                                           PortCase{"abc", 0}, PortCase{"", 0},
                                           PortCase{nullptr, 1}, PortCase{"7 (VHF)", 7},
                                           PortCase{"-2.5", -2}, PortCase{"32767.49", 32767},
                                           PortCase{"-32768.5", -32768}));

// What differs from a healthy host before start-up runs.
enum class HostState { Fine, NoExecutable, Version198, Version300, Down };

struct Refusal {
  const char* what;
  std::string ini;
  HostState state;
  std::string critical;
  std::vector<std::string> lastStatusLines;  // the last lines before the message; none if empty
};

class StartupRefusalTest : public StartupTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(StartupRefusalTest, EndsWithItsCriticalMessage) {
  const Refusal& refusal = GetParam();
  hostFolder.Write("uiview32.ini", refusal.ini);
  host.refuseConnections = refusal.state == HostState::Down;
  if (refusal.state == HostState::NoExecutable) version.version.reset();
  if (refusal.state == HostState::Version198) version.version = FixedFileVersion{1, 9, 0, 8};
  if (refusal.state == HostState::Version300) version.version = FixedFileVersion{3, 0, 0, 0};

  EXPECT_FALSE(Run());
  EXPECT_EQ(Critical(), refusal.critical);
  const std::vector<std::string> lines = core.StatusLines();
  const std::size_t count = refusal.lastStatusLines.size();
  EXPECT_TRUE(count != 0 || lines.empty());
  ASSERT_GE(lines.size(), count);
  EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(count), lines.end()),
            refusal.lastStatusLines);
  // The window is shown only once the host's version is accepted; the watch is never entered.
  EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "show @0"),
            lines.empty() ? 0 : 1);
  EXPECT_TRUE(std::none_of(platform.calls.begin(), platform.calls.end(),
                           [](const std::string& call) { return call.rfind("watch", 0) == 0; }));
}

const std::string kBadVersion =
    " is invalid for this add-on, minimum version 1.99, maximum "
    "version 2.99 is required";
constexpr const char* kCall = "Error getting station callsign from UIView32.INI";
constexpr const char* kLat = "Error getting station latitude from UIView32.INI";
constexpr const char* kLong = "Error getting station longitude from UIView32.INI";
constexpr const char* kAnyone =
    "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'";
constexpr const char* kPort = "Error getting DEFAULT_PORT from UIView32.INI";
const std::string kPosition = "getting station position form uiview32.ini";
const std::string kGetPort = "Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI";
const std::string kHalted = "remote topics from ANYBODY are NOT allowed!, program will be halted";

INSTANTIATE_TEST_SUITE_P(
    Steps, StartupRefusalTest,
    ::testing::Values(
        Refusal("MissingExecutable", StationIni(), HostState::NoExecutable,
                "Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory", {}),
        Refusal("HostVersion198", StationIni(), HostState::Version198,
                "Your current version of uiview32 (1.98)" + kBadVersion, {}),
        Refusal("HostVersion300", StationIni(), HostState::Version300,
                "Your current version of uiview32 (3.00)" + kBadVersion, {}),
        Refusal("HostUnreachable", StationIni(), HostState::Down,
                "Unable to connect to UIView32 (no host running)",
                {"Host call failed: no host running"}),
        Refusal("NoSettingsFile", "", HostState::Fine, kCall,
                {"getting station-id from uiview32.ini", " -> station-id = NOCALL"}),
        Refusal("NOCALL", StationIni("CALLSIGN", "NOCALL"), HostState::Fine, kCall,
                {" -> station-id = NOCALL"}),
        Refusal("EmptyCallsign", StationIni("CALLSIGN", ""), HostState::Fine, kCall,
                {" -> station-id = "}),
        Refusal("MissingLatitude", StationIni("LATITUDE", nullptr), HostState::Fine, kLat,
                {kPosition}),
        Refusal("LatitudeNoPosition", StationIni("LATITUDE", "52.2N"), HostState::Fine, kLat,
                {kPosition}),
        Refusal("LatitudeGivenAsLongitude", StationIni("LATITUDE", "00512.34E"), HostState::Fine,
                kLat, {kPosition}),
        Refusal("MissingLongitude", StationIni("LONGITUDE", nullptr), HostState::Fine, kLong,
                {kPosition}),
        Refusal("EmptyLongitude", StationIni("LONGITUDE", ""), HostState::Fine, kLong, {kPosition}),
        Refusal("RemoteCommands0", StationIni("REMOTE_COMMANDS", "0"), HostState::Fine, kAnyone,
                {"checking if remote commands from ANYBODY are allowed", kHalted}),
        Refusal("RemoteCommandsMissing", StationIni("REMOTE_COMMANDS", nullptr), HostState::Fine,
                kAnyone, {kHalted}),
        Refusal("DefaultPortAbove16Bits", StationIni("DEFAULT_PORT", "32767.5"), HostState::Fine,
                kPort, {kGetPort}),
        Refusal("DefaultPortBelow16Bits", StationIni("DEFAULT_PORT", "-32769"), HostState::Fine,
                kPort, {kGetPort})),
    [](const auto& testCase) { return std::string(testCase.param.what); });

}  // namespace
}  // namespace brevio::test
