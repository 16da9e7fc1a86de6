// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "host/aprs/Tnc2Line.h"
#include "host/station/MessageNumberFile.h"
#include "host/station/Station.h"
#include "query/MonitoredText.h"
#include "support/CoreHarness.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

using namespace std::chrono;
using Lines = std::vector<std::string>;

// A station N0CALL-10 with DEFAULT_PORT 3 and the REMOTE_COMMANDS given (none: the key is
// missing). It records each frame sent, as "PORT TNC2-LINE", and each event of its main
// connection as a line, such as "NotifyBeacon(N0CALL|52.5|4.25)".
struct Harness : Transport, IniReader, UtcClock, HostEvents {
  explicit Harness(std::optional<std::string> remoteCommands = "2",
                   const std::map<std::string, std::string>& keys = {}) {
    if (remoteCommands) ini["MESSAGES/REMOTE_COMMANDS"] = *remoteCommands;
    ini.insert(keys.begin(), keys.end());
    folder.Write("brevio-message-number.txt", "0\n");  // a new station: its first message is 1
    link = station.Connect();                          // which reads the settings
    link->ConnectEvents(this);
  }
  void Transmit(const Tnc2Frame& frame, std::int16_t port) override {
    sent.push_back(std::to_string(port) + " " + FormatTnc2Line(frame));
  }
  std::string ReadIniValue(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& otherwise) override {
    iniPath = file;
    const auto found = ini.find(section + "/" + key);
    return found == ini.end() ? otherwise : found->second;
  }
  system_clock::time_point UtcNow() override { return utc; }
  void DataAvailable() override {
    events.push_back("DataAvailable");
    receivedData.push_back(link->ReceivedData());
    if (onDataAvailable) std::exchange(onDataAvailable, nullptr)();
  }
  void NotifyBeacon(std::string& call, float& latitude, float& longitude) override {
    std::ostringstream line;
    line << "NotifyBeacon(" << call << "|" << latitude << "|" << longitude << ")";
    events.push_back(line.str());
  }
  void NotifyRemotecommand(std::string& call, std::string& via, std::string& back,
                           std::int16_t& port, std::string& type, std::string& text,
                           bool& done) override {
    done = serverAnswers;
    events.push_back("NotifyRemotecommand(" + call + "|" + via + "|" + back + "|" +
                     std::to_string(port) + "|" + type + "|" + text + "|" + "false)");
  }
  void UIView32IsClosing() override {}
  long Raised() const {
    return std::count_if(events.begin(), events.end(), [](const std::string& event) {
      return event.starts_with("NotifyRemote");
    });
  }

  void Hear(const std::string& line, std::optional<std::int16_t> port = std::nullopt) {
    const auto frame = ParseTnc2Line(line, CallSignRule::AprsIs);
    ASSERT_TRUE(frame) << line;
    station.FrameReceived(*frame, port);
  }
  // The timer's tick, `ms` on.
  void Tick(std::int32_t ms) {
    core.clock.Advance(ms);
    station.Poll();
  }
  // An object as the server places it (flag A, values A and B, name, symbol, latitude,
  // longitude, comment, table); CreateObject's status.
  std::int16_t Create(std::string name, float latitude = 49.0583333f) {
    std::int16_t status = -1;
    link->CreateObject({true, -32768, -32768, std::move(name), '?', latitude, -72.0291667f,
                        "'?\?' to N0CALL-10=info", '\\'},
                       status);
    return status;
  }
  Lines Objects() {
    Lines list;
    link->GetObjectList(list);
    return list;
  }

  std::map<std::string, std::string> ini{{"STATION/CALLSIGN", "n0call-10"},
                                         {"MESSAGES/DEFAULT_PORT", "3"}};  // "SECTION/KEY"
  std::string iniPath;                                                     // the file last read
  Lines sent, events;
  Lines receivedData;                     // as each DataAvailable read it
  Lines logged;                           // the station's status lines
  bool serverAnswers = false;             // what NotifyRemotecommand sets blnDoneIt to
  std::function<void()> onDataAvailable;  // runs once, in the next DataAvailable
  system_clock::time_point utc = sys_days{December / 6 / 2026} + 7h + 22min;
  CoreHarness core;
  TempFolder folder;
  FixedFolderSetting folderSetting{folder.Path()};
  HostFolder hostFolder{folderSetting, core.messages};
  ManualTimer timer;
  Station station{{*this, hostFolder, *this, core.clock, *this, timer,
                   [this](const std::string& line) { logged.push_back(line); },
                   [](std::int32_t bound) { return bound / 2; }}};
  std::unique_ptr<HostLink> link;
};

const std::string kOut = "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:";
const std::string kFirst = "1 N0CALL-10>APZBRV,WIDE1-1::N0CALL   :Hello{1";

// Numbers go on from the saved one and come round after 99999; a message that cannot be sent
// fails the call and uses no number.
TEST(StationMessages, EachMessageGetsTheNextNumberAndHonoursPathAndPort) {
  Harness h;
  h.folder.Write("brevio-message-number.txt", "99998\n");
  const std::vector<std::vector<std::string>> refused = {{"N0CALL", "", "B", "bulletin"},
                                                         {"N0CALL", "", "A", "two\nlines"},
                                                         {"N0CALL", "", "A", "cr\r"},
                                                         {"N0CALL", "wide2-2", "A", "x"},
                                                         {"N0CALL", "WIDE2-2,TCP:IP", "A", "x"},
                                                         {"N0CALL", "A,B,C,D,E,F,G,H,I", "A", "x"},
                                                         {"TENCHARSXY", "", "A", "x"},
                                                         {"", "", "A", "x"}};
  for (const auto& call : refused) {
    EXPECT_THROW(h.link->SendAPRSMessage(call[0], call[1], 1, call[2], call[3]), HostCallFailed)
        << call[0] << " " << call[1] << " " << call[3];
  }
  EXPECT_TRUE(h.sent.empty());
  EXPECT_FALSE(h.timer.enabled);
  h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
  h.link->SendAPRSMessage("N0CALL-7", "", 3, "A", " ?WX?HELP");
  h.link->SendAPRSMessage("AB1CD", "WIDE2-2", 2, "A", "");
  h.link->SendAPRSMessage("N0CALL", "WIDE,,", 1, "A", "Hello");
  h.link->SendAPRSMessage("N0CALL", "relay,WIDE2-1", 1, "A", "Hello");
  EXPECT_EQ(
      h.sent,
      (Lines{"1 N0CALL-10>APZBRV,WIDE1-1::N0CALL   :Hello{99999",
             "3 " + kOut + ":N0CALL-7 : ?WX?HELP{1", "2 N0CALL-10>APZBRV,WIDE2-2::AB1CD    :{2",
             "1 N0CALL-10>APZBRV,WIDE1-1::N0CALL   :Hello{3", "1 " + kOut + ":N0CALL   :Hello{4"}));
}

// Tries at 0, 31, 93, 217 and 465 seconds, outside the networks' 30 s duplicate windows; given
// up 248 seconds after the fifth. Each retry and the give-up are status lines.
TEST(StationMessages, UnackedMessageIsRetriedOnItsScheduleAndThenGivenUp) {
  Harness h;
  h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
  EXPECT_TRUE(h.timer.enabled);
  std::vector<std::int32_t> intervals{h.timer.interval};
  for (const std::int32_t step : {30999, 1, 62000, 124000, 248000, 248000}) {
    h.Tick(step);
    if (h.timer.enabled) intervals.push_back(h.timer.interval);
  }
  EXPECT_EQ(h.sent, Lines(5, kFirst));
  EXPECT_EQ(intervals, (std::vector<std::int32_t>{31000, 1, 62000, 124000, 248000, 248000}));
  EXPECT_FALSE(h.timer.enabled);
  EXPECT_EQ(h.logged, (Lines{"retry 2 of 5 to N0CALL: Hello", "retry 3 of 5 to N0CALL: Hello",
                             "retry 4 of 5 to N0CALL: Hello", "retry 5 of 5 to N0CALL: Hello",
                             "message 1 to N0CALL given up after 5 tries: Hello"}));
}

// A copy that waited for the link counts from when it left: the next is due 31 s (a message) or
// 10 minutes (an object) after that, and no sooner. An unchanged object placed again within
// 31 s is a copy the networks would drop.
TEST(StationMessages, NextCopyWaitsItsFullDelayFromWhenTheLastOneLeft) {
  Harness h;
  h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
  ASSERT_EQ(h.Create("CLUB"), 0);
  ASSERT_EQ(h.Create("CLUB"), 0);  // unchanged at once: a copy the networks would drop
  const auto left = [&](std::size_t n) {
    h.station.FrameLeft(*ParseTnc2Line(h.sent[n].substr(2), CallSignRule::AprsIs));
  };
  h.core.clock.Advance(30000);
  left(0);
  h.Tick(30999);
  EXPECT_EQ(h.sent.size(), 2u);
  h.Tick(1);
  EXPECT_EQ(h.sent.back(), kFirst);
  h.Hear("N0CALL>APRS::N0CALL-10:ack1");
  h.Hear("N0CALL>APRS::N0CALL-10:rej1");  // nothing awaits it any more
  EXPECT_EQ(h.logged, (Lines{"retry 2 of 5 to N0CALL: Hello", "N0CALL acked message 1: Hello"}));
  left(1);  // the object report left 61 s late
  h.Tick(600000 - 31000);
  EXPECT_EQ(h.sent.size(), 3u);
  h.Tick(61000);
  EXPECT_TRUE(h.sent.back().find(";CLUB     *") != std::string::npos) << h.sent.back();
  const std::size_t reports = h.sent.size();
  h.Create("CLUB");
  h.Create("CLUB", 49.1f);  // moved: news, not a copy
  EXPECT_EQ(h.sent.size(), reports + 1);
  h.core.clock.Advance(30999);
  h.Create("CLUB", 49.1f);
  EXPECT_EQ(h.sent.size(), reports + 1);
  h.core.clock.Advance(1);  // outside the networks' duplicate windows
  h.Create("CLUB", 49.1f);
  EXPECT_EQ(h.sent.size(), reports + 2);
}

TEST(StationMessages, AnswerFromTheAddresseeStopsTheRetries) {
  const std::pair<const char*, bool> answers[] = {
      {"N0CALL>APRS,WIDE1-1*::N0CALL-10:ack1", true}, {"n0call>APRS::N0CALL-10:ack1  ", true},
      {"N0CALL>APRS::N0CALL-10:rej1", true},          {"N0CALL>APRS::N0CALL-10:Thanks{MM}1", true},
      {"N0CALL>APRS::N0CALL-10:ack1}", true},         {"N0CALL-0>APRS::n0call-10:rej1}", true},
      {"N0CALL>APRS::N0CALL-10:ack2", false},         {"OTHER>APRS::N0CALL-10:ack1", false},
      {"N0CALL>APRS::N0CALL-9 :ack1", false}};
  for (const auto& [line, stops] : answers) {
    SCOPED_TRACE(line);
    Harness h;
    h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
    h.Hear(line);
    h.Tick(31000);
    EXPECT_EQ(std::count(h.sent.begin(), h.sent.end(), kFirst), stops ? 1 : 2);
    EXPECT_EQ(h.timer.enabled, !stops);
    const bool rejected = std::string(line).find(":rej") != std::string::npos;
    EXPECT_EQ(h.logged, stops ? Lines{std::string("N0CALL ") + (rejected ? "rejected" : "acked") +
                                      " message 1: Hello"}
                              : Lines{"retry 2 of 5 to N0CALL: Hello"});
  }
}

// A station that numbers its message {MM} offers reply-acks: it is acked with a copy of the whole
// number, our replies carry its MM, and its next copies, acking ours in their AA, are no new
// question.
TEST(StationMessages, ReplyAcksAreAnsweredInKind) {
  Harness h;
  h.Hear("N0CALL>APRS::N0CALL-10:?WX{12}");
  h.link->SendAPRSMessage("N0CALL", "", 1, "A", "Sunny");
  h.link->SendAPRSMessage("K1ABC", "", 1, "A", "Hi");
  h.Hear("N0CALL-0>APRS::N0CALL-10:?WX{12}1");
  h.Tick(31000);  // only the message to K1ABC is still awaited
  EXPECT_EQ(h.sent, (Lines{"3 " + kOut + ":N0CALL   :ack12}", "1 " + kOut + ":N0CALL   :Sunny{1}12",
                           "1 " + kOut + ":K1ABC    :Hi{2", "3 " + kOut + ":N0CALL-0 :ack12}1",
                           "1 " + kOut + ":K1ABC    :Hi{2"}));
  EXPECT_EQ(h.Raised(), 1);
}

const std::string kBeacon =
    "3 " + kOut + "=4903.50N/07201.75W-Query server: message ?HELP for topics";

// The beacon goes out at start and then every interval; [BREVIO] can change interval, symbol and
// comment or turn it off. A station with no position sends none.
TEST(StationBeacon, GoesOutAtStartAndEveryIntervalAsTheSettingsSay) {
  struct Row {
    std::map<std::string, std::string> keys;
    std::string first;  // the beacon's information field; empty when none goes out
    std::int32_t interval;
  };
  const std::string position = "=4903.50N/07201.75W-";
  const Row rows[] = {
      {{}, kBeacon.substr(kBeacon.find('=')), 1800000},
      {{{"BREVIO/BEACON", "0"}}, "", 0},
      {{{"STATION/LATITUDE", "4903.50"}}, "", 0},
      {{{"BREVIO/BEACON_INTERVAL", "5"}}, "", 600000},
      {{{"BREVIO/BEACON_INTERVAL", "none"}}, "", 1800000},
      {{{"BREVIO/BEACON_INTERVAL", "9999"}}, "", 86400000},
      {{{"BREVIO/BEACON_SYMBOL", "\\I"}, {"BREVIO/BEACON_COMMENT", "Ask ?WX | ~now"}},
       "=4903.50N\\07201.75WIAsk ?WX  now",
       1800000},
      {{{"BREVIO/BEACON_SYMBOL", "/"}, {"BREVIO/BEACON_COMMENT", std::string(50, 'c')}},
       position + std::string(43, 'c'),
       1800000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.keys));
    std::map<std::string, std::string> keys = row.keys;
    keys.insert({{"STATION/LATITUDE", "4903.50N"}, {"STATION/LONGITUDE", "07201.75W"}});
    Harness h("2", keys);
    h.station.StartBeacon();
    if (row.interval == 0) {
      EXPECT_TRUE(h.sent.empty());
      continue;
    }
    ASSERT_EQ(h.sent.size(), 1u);
    if (!row.first.empty()) {
      EXPECT_EQ(h.sent[0], "3 " + kOut + row.first);
    }
    EXPECT_EQ(h.timer.interval, row.interval);
    h.Tick(row.interval - 1);
    EXPECT_EQ(h.sent.size(), 1u);
    h.Tick(1);
    EXPECT_EQ(h.sent, Lines(2, h.sent[0]));
    // Held a second by the link, the beacon counts its interval from when it left.
    h.core.clock.Advance(1000);
    h.station.FrameLeft(*ParseTnc2Line(h.sent[0].substr(2), CallSignRule::AprsIs));
    h.Tick(row.interval - 1);
    EXPECT_EQ(h.sent.size(), 2u);
    h.Tick(1);
    EXPECT_EQ(h.sent.size(), 3u);
  }
}

// ?APRS? is answered with the beacon after the random delay, once however many ask; the directed
// queries the server leaves unanswered get their answer once a minute per station.
TEST(StationBeacon, AnswersStandardQueriesTheServerLeavesOncePerWindowOrStation) {
  Harness h("2", {{"STATION/LATITUDE", "4903.50N"}, {"STATION/LONGITUDE", "07201.75W"}});
  h.station.StartBeacon();
  for (int n = 0; n < 50; ++n) h.Hear("K" + std::to_string(n) + "ABC>APRS,WIDE1-1*:?APRS?");
  h.Hear("K1ABC>APRS::APRS     :?APRS? 49.1,-72.0,0050");
  h.Hear("K1ABC>APRS:?IGATE?");
  h.Tick(59999);  // half the two-minute window
  EXPECT_EQ(h.sent, Lines{kBeacon});
  h.Tick(1);
  h.Hear("K1ABC>APRS,WIDE1-1*::N0CALL-10:?aprss{1");
  h.Hear("K1ABC>APRS::N0CALL-10:?PING?{2");
  h.Hear("K2ABC>APRS,WIDE1-1*,WIDE2-1::N0CALL-10:?PING? {3");
  h.Hear("K3ABC>APRS::N0CALL-10:?APRSP{4");
  h.serverAnswers = true;
  h.Hear("K4ABC>APRS::N0CALL-10:?APRSS{5");
  h.serverAnswers = false;
  h.Tick(30999);
  EXPECT_EQ(h.sent.size(), 9u) << "the position answer waits 31 s from the last beacon";
  h.Tick(1);
  h.Tick(29000);
  h.Hear("K1ABC>APRS::N0CALL-10:?APRSS{6");
  const std::string out = "3 " + kOut;
  EXPECT_EQ(h.sent,
            (Lines{kBeacon, kBeacon, out + ":K1ABC    :ack1",
                   out + ">Query server: message ?HELP for topics", out + ":K1ABC    :ack2",
                   out + ":K2ABC    :ack3", out + ":K2ABC    :K2ABC>APRS,WIDE1-1*,WIDE2-1",
                   out + ":K3ABC    :ack4", out + ":K4ABC    :ack5", kBeacon,
                   out + ":K1ABC    :ack6", out + ">Query server: message ?HELP for topics"}));
  EXPECT_EQ(h.Raised(), 6);
  h.Hear("K9ABC>APRS:?APRS? 34.02,-117.15,0200");  // an area far from here
  h.Tick(200000);
  h.Hear("K9ABC>APRS:?APRS? 49.06,-72.03,0001");
  h.Tick(59999);
  EXPECT_EQ(h.sent.size(), 12u);
  h.Tick(1);
  EXPECT_EQ(h.sent.back(), kBeacon);
}

TEST(StandardQueries, GeneralQueriesAndTheirAreasAreRead) {
  using Area = std::optional<std::vector<double>>;
  const std::pair<const char*, std::optional<Area>> rows[] = {
      {"?APRS?", Area{}},
      {"?APRS? 34.02,-117.15,0200", std::vector<double>{34.02, -117.15, 200}},
      {":APRS     :?APRS? -1,2.5,3", std::vector<double>{-1, 2.5, 3}},
      {"?APRS? 91,0,1", Area{}},
      {"?APRS? 1,2", Area{}},
      {"?APRS? 1,2,3x", Area{}},
      {":APRSX    :?APRS?", std::nullopt},
      {":APRS     :ack1", std::nullopt},
      {"?IGATE?", std::nullopt}};
  for (const auto& [info, read] : rows) {
    const std::optional<GeneralQuery> query = ParseGeneralQuery(info);
    ASSERT_EQ(query.has_value(), read.has_value()) << info;
    if (!query) continue;
    const auto area = query->area;
    const Area got =
        area ? Area(std::vector{area->latitude, area->longitude, area->radiusMiles}) : Area{};
    EXPECT_EQ(got, *read) << info;
  }
}

// The station's own lines never fall among those the server writes for an event; undecodable
// frames are told at the first, the tenth, the hundredth.
TEST(StationHostLines, WaitForTheEventsAndCountDroppedFramesInPowersOfTen) {
  Harness h;
  h.link->SendAPRSMessage("N0CALL", "", 1, "A", "Hello");
  std::size_t loggedInEvent = 99;
  h.onDataAvailable = [&] {
    h.station.FrameDropped();
    loggedInEvent = h.logged.size();
  };
  h.Hear("N0CALL>APRS::N0CALL-10:ack1");
  EXPECT_EQ(loggedInEvent, 0u);
  for (int n = 0; n < 99; ++n) h.station.FrameDropped();
  EXPECT_EQ(h.logged,
            (Lines{"frames dropped as undecodable: 1", "N0CALL acked message 1: Hello",
                   "frames dropped as undecodable: 10", "frames dropped as undecodable: 100"}));
}

// Reported on placing and every ten minutes after; killed once when deleted. Nine letters fit.
TEST(StationObjects, PlacedObjectIsListedReportedRepeatedAndDeletedByItsWholeName) {
  Harness h;
  const auto report = [](const std::string& object) {
    return "3 " + kOut + ";" + object + "4903.50N\\07201.75W?'?\?' to N0CALL-10=info";
  };
  EXPECT_EQ(h.Create("HELP0"), 0);
  EXPECT_EQ(h.timer.interval, 600000);
  h.utc += minutes(10);
  h.Tick(600000);
  EXPECT_EQ(h.Create("HELP01234"), 0);
  EXPECT_EQ(h.Objects(), (Lines{"*HELP0", "*HELP01234"}));
  std::int32_t result = -1;
  h.link->DeleteObject("HELP0", true, result);
  EXPECT_EQ(result, 0);
  h.link->DeleteObject("HELP0", true, result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(h.Objects(), Lines{"*HELP01234"});
  EXPECT_EQ(h.sent, (Lines{report("HELP0    *060722z"), report("HELP0    *060732z"),
                           report("HELP01234*060732z"), report("HELP0    _060732z")}));
}

TEST(StationObjects, ObjectsThatCannotBeReportedAreRefused) {
  Harness h;
  EXPECT_EQ(h.Create("HELP012345"), 1);  // ten characters
  EXPECT_EQ(h.Create(""), 1);
  EXPECT_EQ(h.Create("POLE", 91.0f), 1);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(h.Create("OBJ" + std::to_string(i)), 0);
  EXPECT_EQ(h.Create("ONEMORE"), 2);
  EXPECT_EQ(h.Create("OBJ7"), 0);  // the same name takes its old place
  const Lines list = h.Objects();
  EXPECT_EQ(list.size(), 100u);
  EXPECT_EQ(list[7], "*OBJ7");
}

TEST(StationHost, DistanceBearingIsTheGreatCircleCourse) {
  Harness h;
  const double degree = 6371.0088 * 3.14159265358979323846 / 180.0;  // in km
  // From, to; the distance and the bearing.
  const std::array<double, 6> rows[] = {{0, 0, 0, 1, degree, 90},
                                        {10, 20, 11, 20, degree, 0},
                                        {10, 20, 9, 20, degree, 180},
                                        {0, 1, 0, 0, degree, 270},
                                        {52, 4, 52, 4, 0, 0},
                                        {0, 0, 0, 180, 180 * degree, 90},
                                        {51.5074, -0.1278, 48.8566, 2.3522, 343.56, 148.1}};
  for (const auto& [lat1, long1, lat2, long2, km, bearing] : rows) {
    double distance = 1.0, course = -1.0;
    h.link->DistanceBearing(lat1, long1, lat2, long2, distance, course, true);
    EXPECT_NEAR(distance, km, 0.01) << lat1 << " " << long1;
    EXPECT_NEAR(course, bearing, 0.05) << lat1 << " " << long1;
  }
}

// The server reads sender, via path, addressee and number from what the station host gives;
// without digipeaters it takes the destination (and its blank) for the path.
TEST(StationTraffic, ServerReadsSenderAndViaPathFromReceivedData) {
  const std::pair<const char*, const char*> paths[] = {
      {",WIDE1-1", "WIDE1-1"},
      {",DIGI1,WIDE1*,WIDE2-1", "DIGI1,WIDE1*,WIDE2-1"},
      {"", "APRS "},
      {",D1,D2,D3,D4,D5,D6,D7,D8*", "D1,D2,D3,D4,D5,D6,D7,D8*"},
      {",TCPIP*,qAC,T2TEST", "TCPIP*"},
      {",WIDE1*,qar,N0IGT", "WIDE1*"},
      {",qAS,T2TEST", "APRS "},
      {",TCPXX*,QAR,X,qAO,Y", "TCPXX*"},
      {",QA,QAR1,qA1,WIDE2*", "QA,QAR1,qA1,WIDE2*"}};
  for (const auto& [path, via] : paths) {
    Harness h;
    h.Hear("N0CALL>APRS" + std::string(path) + "::QDOS     :HELP{12");
    const MonitoredText m = ParseMonitoredText(h.receivedData.at(0));
    EXPECT_TRUE(m.isMessage);
    EXPECT_EQ(m.sender.value_or("") + "|" + m.viaPath + "|" + m.addressee + "|" + m.messageText +
                  "|" + m.messageNumber.value_or(""),
              "N0CALL|" + std::string(via) + "|QDOS     |HELP|12");
  }
}

// Only messages to the station are acked and only questions raised, with the digipeaters the
// query came through.
TEST(StationTraffic, DirectedQueryIsAckedThenRaisedWithTheDigipeatersItCameThrough) {
  Harness h;
  h.Hear("N0CALL>APRS::N0CALL-10:Hello there{7");
  h.Hear("N0CALL>APRS::N0CALL-1 :?TIME{8");
  h.Hear("N0CALL>APRS::QDOS     :HELP{9");
  h.Hear("N0CALL>APRS,DIGI1*,WIDE2-1::N0CALL-10:?time{5");
  EXPECT_EQ(h.sent, (Lines{"3 " + kOut + ":N0CALL   :ack7", "3 " + kOut + ":N0CALL   :ack5"}));
  EXPECT_EQ(h.events, (Lines{"DataAvailable", "DataAvailable", "DataAvailable", "DataAvailable",
                             "NotifyRemotecommand(N0CALL|DIGI1|WIDE1-1,WIDE2-1|3|A|?time|false)"}));
  EXPECT_EQ(h.iniPath, h.folder.Path() + "/uiview32.ini");

  // A link with port numbers names the port; the ack goes out on it.
  h.Hear("N0CALL>APRS::N0CALL-10:?UP{AB}7", 2);
  EXPECT_EQ(h.sent.back(), "2 " + kOut + ":N0CALL   :ackAB}7");
  EXPECT_EQ(h.events.back(), "NotifyRemotecommand(N0CALL||WIDE1-1,WIDE2-1|2|A|?UP|false)");

  // APRS-IS routing after the q-construct is no digipeater the query came through.
  h.Hear("K1ABC>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{9");
  EXPECT_EQ(h.events.back(), "NotifyRemotecommand(K1ABC|TCPIP|WIDE1-1,WIDE2-1|3|A|?HELP|false)");

  // A third-party query is acked and raised for its inner source, with the outer radio hops.
  h.Hear("N0IGT>APRS,D1*,WIDE2*:}K1ABC>APRS,TCPIP,N0IGT*::N0CALL-10:?TIME{5");
  EXPECT_EQ(h.sent.back(), "3 " + kOut + ":K1ABC    :ack5");
  EXPECT_EQ(h.events.back(), "NotifyRemotecommand(K1ABC|D1,WIDE2|WIDE1-1,WIDE2-1|3|A|?TIME|false)");
  EXPECT_EQ(h.receivedData.back().substr(0, 21), "K1ABC>APRS,D1,WIDE2* ");

  // Not understood: nothing reaches the server and nothing is sent.
  const std::size_t sent = h.sent.size();
  const std::size_t raised = h.events.size();
  const Lines odd{"N0IGT>APRS:}K1ABC>APRS:}K2ABC>APRS::N0CALL-10:?TIME{6",
                  "N0IGT>APRS:}::N0CALL-10:?TIME{7",
                  "N0IGT>APRS:}K1ABC:?UP{8",
                  "N0IGT>APRS:}",
                  "N0IGT>APRS:}K1ABC>:x",
                  "N0IGT>APRS:}>APRS:x"};
  for (const std::string& line : odd) h.Hear(line);
  EXPECT_EQ(h.sent.size(), sent);
  EXPECT_EQ(h.events.size(), raised);
  ASSERT_EQ(h.logged.size(), odd.size());  // once each
  EXPECT_EQ(h.logged[1],
            "Third-party frame not understood, dropped: N0IGT>APRS:}::N0CALL-10:?TIME{7");
}

// Numbered copies are acked and raised once within a window that each copy restarts; unnumbered
// ones once within thirty seconds, and never acked.
TEST(StationTraffic, CopiesAreRaisedOnceWithinTheirWindow) {
  Harness h;
  const std::string query = "N0CALL>APRS,WIDE1-1*::N0CALL-10:?TIME{5";
  const std::string unnumbered = "N0CALL>APRS::N0CALL-10:?TIME";
  const std::pair<int, std::string> heard[] = {{0, query},
                                               {0, "N0CALL>APRS::N0CALL-10:?TIME{6"},
                                               {29 * 60000, query},
                                               {29 * 60000, query},
                                               {30 * 60000 + 1, query},
                                               {0, unnumbered},
                                               {30000, unnumbered},
                                               {30001, unnumbered}};
  for (const auto& [ms, line] : heard) {
    h.core.clock.Advance(ms);
    h.Hear(line);
  }
  EXPECT_EQ(h.Raised(), 5);
  EXPECT_EQ(h.sent.size(), 5u);
}

TEST(StationTraffic, RemoteCommandsDecideWhoMayAskButEveryMessageIsAcked) {
  const std::tuple<std::optional<std::string>, const char*, bool> rows[] = {
      {"0", "N0CALL-10", false}, {std::nullopt, "N0CALL-7", false},
      {"1", "N0CALL-7", true},   {"1", "n0call", true},
      {"1", "N0CAL", false},     {"1", "N0CALLX-1", false},
      {"2", "OTHER-1", true},    {"3", "OTHER-1", true},
      {"", "OTHER-1", true}};
  for (const auto& [setting, sender, raised] : rows) {
    SCOPED_TRACE(setting.value_or("none") + " " + sender);
    Harness h(setting);
    h.Hear(std::string(sender) + ">APRS::N0CALL-10:?HELP{1");
    EXPECT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.Raised(), raised ? 1 : 0);
  }
}

TEST(StationTraffic, SendersPositionInAnyFormRaisesNotifyBeacon) {
  const std::pair<const char*, const char*> heard[] = {
      {"N0CALL-7>APRS,WIDE2-1:=5230.00N/00415.00E>mobile", "N0CALL-7|52.5|4.25"},
      {"N0CALL-8>APRS:@061230z4903.50N/07201.75W-", "N0CALL-8|49.0583|-72.0292"},
      {"W4CMP>APRS,WIDE1-1:!/5L!!<*e7>7P[", "W4CMP|49.5|-72.75"},
      {"W4CMP>APRS:/092345z/5L!!<*e7>{?!", "W4CMP|49.5|-72.75"},
      {"W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]", "W3MIC|33.4273|-12.129"},
      {"W3MIC>S32U6T-3:'(_fn\"Oj/]", "W3MIC|33.4273|-12.129"},
      {"N0CALL-5>APRS:;LEADER   *092345z4903.50N/07201.75W>", nullptr},
      {"N0CALL-9>APRS:!9903.50N/07201.75W-", nullptr},
      {"N0IGT>APRS,WIDE2-1:}K1ABC-7>APRS,TCPIP,N0IGT*:=5230.00N/00415.00E>", "K1ABC-7|52.5|4.25"}};
  for (const auto& [line, beacon] : heard) {
    Harness h;
    h.Hear(line);
    Lines expected{"DataAvailable"};
    if (beacon != nullptr) expected.push_back("NotifyBeacon(" + std::string(beacon) + ")");
    EXPECT_EQ(h.events, expected);
  }
}

// Events go only to connections that connected them, one frame at a time: a frame heard while
// another one's events run waits its turn, so each event reads its own text. ReceivedData is the
// header and the information field with every byte.
TEST(StationTraffic, EventsGoToConnectionsThatConnectedThemOneFrameAtATime) {
  Harness h, other;  // only the other's events are used
  auto second = h.station.Connect();
  auto third = h.station.Connect();
  third->ConnectEvents(&other);
  const std::string info(">\0\xE9\xFF ", 5);
  const std::string first = "N0CALL>APRS,DIGI1*,WIDE2-1 <UI>\r\n" + info + "\r\n";
  h.onDataAvailable = [&] {
    h.Hear("N0CALL>APRS:>second");
    EXPECT_EQ(h.link->ReceivedData(), first);
  };
  h.station.FrameReceived({"N0CALL", "APRS", {{"DIGI1", true}, {"WIDE2-1", false}}, info},
                          std::nullopt);
  third.reset();
  h.Hear("N0CALL>APRS:>two");
  h.link->ConnectEvents(nullptr);
  h.Hear("N0CALL>APRS:>three");
  EXPECT_EQ(h.receivedData,
            (Lines{first, "N0CALL>APRS <UI>\r\n>second\r\n", "N0CALL>APRS <UI>\r\n>two\r\n"}));
  EXPECT_EQ(h.events, Lines(3, "DataAvailable"));
  EXPECT_EQ(other.events, Lines(2, "DataAvailable"));
  EXPECT_EQ(second->ReceivedData(), "N0CALL>APRS <UI>\r\n>three\r\n");
}

// 2026-12-07 12:00:00 UTC: 1796644800 s, 179664480 tens of seconds, % 99999 = 66276.
const auto kNoon = std::chrono::system_clock::time_point(std::chrono::seconds(1796644800));
constexpr int kFromClock = 66277;

// A number that is missing or unreadable is said, and the numbers go on from the clock.
TEST(MessageNumberFile, GoesOnFromTheSavedNumberOrFromTheClock) {
  const std::pair<const char*, int> table[] = {{"41\n", 41},         {"0", 0},
                                               {"99999\n", 99999},   {nullptr, kFromClock},
                                               {"", kFromClock},     {"100000\n", kFromClock},
                                               {"-5\n", kFromClock}, {"4x\n", kFromClock}};
  for (const auto& [content, loaded] : table) {
    TempFolder folder;
    const std::string path = folder.Path() + "/numbers";
    if (content != nullptr) folder.Write("numbers", content);
    Lines logged;
    MessageNumberFile file(path, [&](const std::string& line) { logged.push_back(line); });
    SCOPED_TRACE(content == nullptr ? "no file" : content);
    EXPECT_EQ(file.Load(kNoon), loaded);
    const std::string why = content == nullptr ? "no " + path : path + " holds no number";
    EXPECT_EQ(logged, loaded != kFromClock
                          ? Lines{}
                          : Lines{"Message numbers: " + why + "; starting after 66277"});
  }
}

// Each save replaces the file whole; a folder that cannot take it is said once, not every time.
TEST(MessageNumberFile, SavesWholeAndSaysOnceWhenItCannot) {
  TempFolder folder;
  Lines logged;
  const auto log = [&](const std::string& line) { logged.push_back(line); };
  MessageNumberFile file(folder.Path() + "/numbers", log);
  EXPECT_TRUE(file.Save(7));
  EXPECT_TRUE(file.Save(8));
  EXPECT_EQ(MessageNumberFile(folder.Path() + "/numbers", log).Load(kNoon), 8);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/numbers.new"));

  MessageNumberFile lost(folder.Path() + "/gone/numbers", log);
  EXPECT_FALSE(lost.Save(1));
  EXPECT_FALSE(lost.Save(2));
  EXPECT_EQ(logged, Lines{"Message numbers: cannot write " + folder.Path() +
                          "/gone/numbers; after a new start they begin from the clock"});
}

}  // namespace
}  // namespace brevio::test
