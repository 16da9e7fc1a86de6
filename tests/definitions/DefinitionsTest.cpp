// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <filesystem>
#include <functional>
#include <sstream>

#include "base/PathText.h"
#include "definitions/DefinitionItemReader.h"
#include "definitions/DefinitionWatch.h"
#include "definitions/MapObjects.h"
#include "support/DefinitionFiles.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

TEST(DefinitionItemReaderTest, SplitsTheFileIntoItems) {
  const std::tuple<const char*, std::string, Lines> files[] = {
      {"empty file", "", {}},
      {"lines", "?WX\n>Sunny\n", {"?WX", ">Sunny"}},
      {"comma ends an item", ">Hello, world\n", {">Hello", "world"}},
      {"two commas enclose an empty item", "a,,b", {"a", "", "b"}},
      {"comma at line end", "a,\nb", {"a", "", "b"}},
      {"leading blanks and tabs", "   # note\n \t?HELP", {"# note", "?HELP"}},
      {"trailing blanks and tabs", ">Sunny \t \n", {">Sunny"}},
      {"blanks inside stay", ">A  B", {">A  B"}},
      {"quoted line is one item", "\">Hello, world\"\r\n?WX", {">Hello, world", "?WX"}},
      {"quoted item keeps its blanks", "  \" >x \" ,y", {" >x ", "y"}},
      {"text after a closing quote is dropped", "\"a\"bc,d", {"a", "d"}},
      {"quote never closed ends at its line", "\"a,b\n?WX", {"a,b", "?WX"}},
      {"quote never closed at the end of the file", "x,\"a,b", {"x", "a,b"}},
      {"quotes inside an unquoted item stay", ">say \"hi\"", {">say \"hi\""}},
      {"CR LF", "?A\r\n>B\r\n", {"?A", ">B"}},
      {"lone CR", "?A\r>B", {"?A", ">B"}},
      {"NUL is an ordinary byte", std::string(">a\0b,c", 6), {std::string(">a\0b", 4), "c"}},
      {"blanks only at the end", "?A\n  ", {"?A", ""}},
      {"Windows-1252 bytes", ">\xC4\xE9\n", {">\xC4\xE9"}}};
  for (const auto& [what, bytes, items] : files) {
    std::istringstream file(bytes);
    DefinitionItemReader reader(file);
    Lines read;
    while (!reader.AtEndOfFile()) read.push_back(reader.ReadDefinitionItem());
    EXPECT_EQ(read, items) << what;
  }
}

// brv.txt and overlays/brv.pos, each loaded into the topic table.
class DefinitionFilesTest : public ::testing::Test, protected DefinitionFiles {
 protected:
  DefinitionFilesTest() {
    station.StationLat = 49.1;
    station.StationLong = -72.0;
  }

  // Writes brv.txt and loads it; gives the table as "topic=answer" in order.
  Lines LoadTopics(const std::string& bytes) {
    program.Write("brv.txt", bytes);
    topicDefinitions.LoadTopicDefinitions();
    Lines loaded;
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      loaded.push_back(topics[i].strTopic + "=" + topics[i].strResponse);
    }
    return loaded;
  }

  // Loads `file` as overlays/brv.pos for the topics named, the host giving `distances` in turn;
  // gives each topic's object fields as "object lat lon table+symbol".
  Lines LoadObjects(const Lines& names, const std::string& file,
                    const std::vector<double>& distances) {
    topics.TopicCount = static_cast<std::int16_t>(names.size());
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      topics[i].strTopic = names[static_cast<std::size_t>(i - 1)];
    }
    host.distances = distances;
    hostFiles.Write("overlays/brv.pos", file);
    objectDefinitions.LoadObjectDefinitions();
    Lines objects;
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      const TopicEntry& t = topics[i];
      objects.push_back(t.strObject + " " + std::to_string(t.dblLat) + " " +
                        std::to_string(t.dblLong) + " " + t.strTable + t.strSymbol);
    }
    return objects;
  }

  std::string TopicPath() const { return JoinPath(program.Path(), "brv.txt"); }
  std::string ObjectPath() const {
    return JoinPath(JoinPath(hostFiles.Path(), "overlays"), "brv.pos");
  }
  const std::string help = "HELP!4903.50N/07201.75W-\r\n";
};

TEST_F(DefinitionFilesTest, ReadsTopicsAndAnswersInFileOrder) {
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
    EXPECT_EQ(LoadTopics(bytes), loaded) << bytes;
    Lines lines{"loading BRV topic definition from " + TopicPath()};
    if (warning != nullptr) lines.push_back(warning);
    EXPECT_EQ(StatusLines(), lines) << bytes;
  }
  EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(DefinitionFilesTest, TooManyOrTooLongTopicsAreCritical) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "?T" + std::to_string(i) + "\n";
  EXPECT_EQ(LoadTopics(ten).size(), 10U);
  // The count is tested before the length.
  EXPECT_THROW(LoadTopics(ten + "?TOOLONGNAME\n"), ProgramEnded);
  EXPECT_EQ(CriticalText(), "More then 10 topics defined in BRV.TXT file.");
  EXPECT_THROW(LoadTopics("?ok\n?abcdef\n"), ProgramEnded);
  EXPECT_EQ(CriticalText(), "Topic ?abcdef is more then 6 characters");
}

TEST_F(DefinitionFilesTest, MissingOrUnreadableFilesAreCriticalWithTheSystemError) {
  for (const char* error : {"2 No such file or directory", "21 Is a directory"}) {
    EXPECT_THROW(topicDefinitions.LoadTopicDefinitions(), ProgramEnded);
    EXPECT_EQ(CriticalText(),
              "Can not open BRV definition file " + TopicPath() + "\r\nError " + error + " ");
    // A folder opens but cannot be read: the error of the failed read, not a stale or empty one.
    std::filesystem::create_directory(TopicPath());
  }
  EXPECT_THROW(objectDefinitions.LoadObjectDefinitions(), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open overlay file " + ObjectPath() + "\r\nError 2 No such file or directory ");
}

TEST_F(DefinitionFilesTest, TopicReloadKeepsEntriesAboveTheNewCountButRenewsReusedEntries) {
  LoadTopics("?OLD1\n>one\n?OLD2\n>two\n");
  topics[1].strObject = "OLD1";
  topics[1].dblLat = 49.0;
  EXPECT_EQ(LoadTopics("?NEW\n"), Lines{"?NEW="});
  // The reused entry answers for its new topic only.
  EXPECT_EQ(topics[1].strObject, "");
  EXPECT_EQ(topics[1].dblLat, 0.0);
  EXPECT_EQ(topics[2].strTopic + "=" + topics[2].strResponse, "?OLD2=two");
}

// An object beyond 25 km is rejected with the distance as the host gave it; its position stays.
TEST_F(DefinitionFilesTest, ObjectsFartherThanTwentyFiveKmAreRejected) {
  const std::pair<double, const char*> ranges[] = {
      {25.0, ""}, {25.01, "25.01"}, {31.456, "31.46"}, {31.5, "31.5"}, {40.0, "40."}};
  for (const auto& [km, shown] : ranges) {
    txtStatus.content.clear();
    const std::string object = *shown ? "" : "HELP";
    EXPECT_EQ(LoadObjects({"?HELP"}, help, {km}), Lines{object + " 49.058333 -72.029167 /-"}) << km;
    Lines lines{"loading BRV object definitions from " + ObjectPath()};
    if (*shown) {
      lines.push_back("Object HELP not valid; more then 25 km (" + std::string(shown) +
                      " km) from station.");
    }
    EXPECT_EQ(StatusLines(), lines) << km;
  }
  EXPECT_EQ(host.CallsOf("DistanceBearing")[0],
            "DistanceBearing(49.058333|-72.029167|49.100000|-72.000000|true)");
  // The last matching item decides, its range test included.
  EXPECT_EQ(LoadObjects({"?HELP"}, help + "HELP!4803.50N/07201.75W-\n", {1.0, 99.0}),
            Lines{" 48.058333 -72.029167 /-"});
  // Without a distance from the host the object counts as in range.
  EXPECT_EQ(LoadObjects({"?HELP"}, help, {}), Lines{"HELP 49.058333 -72.029167 /-"});
  host.failing = {"DistanceBearing"};
  EXPECT_EQ(LoadObjects({"?HELP"}, help, {99.0}), Lines{"HELP 49.058333 -72.029167 /-"});
  EXPECT_EQ(StatusLines().back(), "Host call failed: DistanceBearing failed");
}

TEST_F(DefinitionFilesTest, ObjectKeyMatchesAnywhereCaseSensitivelyAndStarItemsAreSkipped) {
  // The position follows the item's first "!", before the name.
  EXPECT_EQ(LoadObjects({"?HELP", "?WX", "?NET"},
                        "*WX!4903.50N/07201.75W-\nhelp!4903.50N/07201.75W-\n"
                        "WHELP!4904.00S/07202.00W>\nX!4905.00N\\07203.00E# NET!\n",
                        {1.0, 1.0}),
            (Lines{"HELP -49.066667 -72.033333 />", " 0.000000 0.000000 ",
                   "NET 49.083333 72.050000 \\#"}));
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 2U);
}

TEST_F(DefinitionFilesTest, MalformedObjectPositionGivesNoObjectAndKeepsTheOldFields) {
  topics[1].dblLat = 12.5;
  topics[1].strSymbol = "x";
  EXPECT_EQ(LoadObjects({"?A", "?B", "?C", "?D"},
                        "A!4903.50N/07201.75W\n"   // one character short
                        "B!4903.50N/072x1.75W-\n"  // not a number
                        "B!49x3.50N/07201.75W-\n"
                        "C!07201.75W/4903.50N-\n"   // longitude first
                        "D!4903.50N/07201.75W-\n",  // still read after the others
                        {1.0}),
            (Lines{" 12.500000 0.000000 x", " 0.000000 0.000000 ", " 0.000000 0.000000 ",
                   "D 49.058333 -72.029167 /-"}));
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 1U);
  EXPECT_EQ(StatusLines()[1], "Object A not valid; no readable position in A!4903.50N/07201.75W");
}

TEST_F(DefinitionFilesTest, WithoutTopicsEveryObjectItemIsReadAndNothingStored) {
  EXPECT_EQ(LoadObjects({}, help, {}), Lines{});
  // A topic named "?" alone would otherwise match every "!".
  EXPECT_EQ(LoadObjects({"?"}, help, {}), Lines{" 0.000000 0.000000 "});
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(StatusLines().size(), 2U);
}

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
  EXPECT_THAT(lines,
              testing::ElementsAre(kReloaded, testing::StartsWith("loading BRV topic definition"),
                                   testing::StartsWith("loading BRV object definitions")));
  EXPECT_EQ(topics[1].strResponse, "Rain");
  EXPECT_EQ(folder.rearms, 3);
  EXPECT_EQ(folder.closes, 1);
}

TEST_F(DefinitionWatchTest, AttributeChangeReloadsAndSameLengthEditDoesNot) {
  Step([&] { program.Write("brv.txt", "?WX\n>Snowy\n"); });  // same length as Sunny
  Step([&] { program.Write("notes.txt", "x"); });            // wakes the loop, changes nothing
  Step([&] {
    EXPECT_THAT(StatusLines(), testing::IsEmpty());
    std::filesystem::permissions(program.Path() + "/brv.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  });
  EXPECT_THAT(Run(), testing::Contains(kReloaded));
  EXPECT_EQ(topics[1].strResponse, "Snowy");
}

TEST_F(DefinitionWatchTest, AShutdownBeforeTheWatchLeavesNothingToWatch) {
  watch.StopDefinitionWatch();
  EXPECT_THAT(Run(), testing::IsEmpty());
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
  EXPECT_THAT(lines, testing::Contains(kReloaded));
  EXPECT_EQ(topics[1].strObject, "WX");
}

TEST_F(DefinitionWatchTest, AQuietFolderSleepsInWaitsThatOnlyItsSignalOrTheStopEnds) {
  Step(nullptr, false);
  Step(nullptr, false);
  Run();
  EXPECT_EQ(folder.processed, 3 + 1);  // three waits and the stop's own processing
  EXPECT_EQ(folder.rearms, 0);
  EXPECT_THAT(folder.waits, testing::Each(FolderWatch::kUntilSignalled));
}

TEST_F(DefinitionWatchTest, WithoutANotificationEveryPassChecksTheFile) {
  folder.creatable = false;
  Step([&] { program.Write("brv.txt", "?WX\n>Cloudy\n"); }, false);
  const auto lines = Run();
  EXPECT_EQ(lines.front(), "No change notification for " + program.Path() +
                               "; checking the topic file every 100 ms");
  EXPECT_THAT(lines, testing::Contains(kReloaded));
  EXPECT_THAT(folder.waits, testing::Each(100));
  EXPECT_EQ(folder.closes, 1);  // which ends the wait in progress at once
}

TEST_F(DefinitionWatchTest, ADeletedTopicFileEndsTheProgramWithTheLoadsMessage) {
  Step([&] { std::filesystem::remove(program.Path() + "/brv.txt"); });
  EXPECT_THROW(Run(), ProgramEnded);
  EXPECT_EQ(dialog.shown.size(), 1U);
  EXPECT_EQ(CriticalText(), "Can not open BRV definition file " + program.Path() +
                                "/brv.txt\r\nError 2 No such file or directory ");
  EXPECT_THAT(StatusLines(), testing::Contains(kReloaded));
}

class MapObjectsTest : public ::testing::Test, protected CoreHarness {
 protected:
  MapObjectsTest() {
    station.StationCall = "NOCALL-9";
    station.StationLat = 49.1;
    station.StationLong = -72.0;
    topics.TopicCount = 1;
    topics[1] = {"?HELP", "Call 555", "HELP", 49.5, -72.25, "-", "/"};
  }

  Lines CreatedNames() const {
    Lines names;
    for (const HostMapObject& object : host.created) names.push_back(object.Name);
    return names;
  }

  // The record the host got, in the host's order of properties.
  static std::string Record(const HostMapObject& o) {
    return std::to_string(o.FlagA) + "|" + std::to_string(o.ValueA) + "|" +
           std::to_string(o.ValueB) + "|" + o.Name + "|" + o.Symbol + "|" +
           std::to_string(o.Latitude) + "|" + std::to_string(o.Longitude) + "|" + o.Comment + "|" +
           o.SymbolTable;
  }

  FakeHost host;
  StationConfig station;
  TopicTable topics;
  MapObjects objects{topics, station, host.Connector(), log, clock};
};

TEST_F(MapObjectsTest, RepeatedRequestsPlaceEachObjectUnderTheNextCandidateName) {
  for (int i = 0; i < 3; ++i) objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), (Lines{"HELP0", "HELP01", "HELP012"}));
  EXPECT_EQ(Record(host.created[0]), "1|-32768|-32768|HELP0|-|49.500000|-72.250000|Call 555|/");
  EXPECT_EQ(
      StatusLines(),
      (Lines{"Table = /", "Symbol = -", "Create object HELP0", "CreateObject() returned 0",
             "Table = /", "Symbol = -", "Create object HELP01", "CreateObject() returned 0",
             "Table = /", "Symbol = -", "Create object HELP012", "CreateObject() returned 0"}));
}

TEST_F(MapObjectsTest, AfterTheHundredthCandidateNameNoneIsTried) {
  std::string last = "HELP";
  for (int counter = 0; counter <= 99; ++counter) last += std::to_string(counter);
  // A name is taken by any entry that holds it from its second character on.
  host.objectList = {"*" + last.substr(0, last.size() - 2)};
  objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), Lines{last});
  host.objectList = {"*" + last + "X"};
  objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), Lines{last});
}

TEST_F(MapObjectsTest, TopicWithoutObjectLogsItsSymbolAndCallsNoHost) {
  topics[1].strObject.clear();
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines(), (Lines{"Table = /", "Symbol = -", "No Object defined for this topic"}));
  EXPECT_EQ(host.connections, 0);
  EXPECT_TRUE(host.calls.empty());
}

// Each call at its tick, with the status lines it writes and the objects placed so far.
TEST_F(MapObjectsTest, ServerObjectIsPlacedAtMostOnceAMinuteAndAFoundOneRestartsTheMinute) {
  const Lines placed = {"Create object BRVNOCALL", "CreateObject() returned 0"};
  const std::tuple<std::int32_t, bool, Lines, std::size_t> calls[] = {
      // The first call compares with 0.
      {60000, false, {"Msg not sent; object created only 60 seconds ago."}, 0},
      {60001, false, placed, 1},
      {60001, false, {"Msg not sent; object created only 0 seconds ago."}, 1},
      {120001, false, {"Msg not sent; object created only 60 seconds ago."}, 1},
      {120002, false, {}, 1},  // still on the map
      {150502, false, {"Msg not sent; object created only 30.5 seconds ago."}, 1},
      {180003, true, placed, 2},
      // More than 24.8 days after the last call the difference turns negative.
      {180003 + INT_MIN, true, placed, 3},
  };
  for (const auto& [tick, mapCleared, lines, created] : calls) {
    clock.tick = tick;
    if (mapCleared) host.objectList.clear();
    txtStatus.content.clear();
    objects.CreateServerObject();
    EXPECT_EQ(StatusLines(), lines) << tick;
    EXPECT_EQ(host.created.size(), created) << tick;
  }
  EXPECT_EQ(Record(host.created[0]),
            "1|-32768|-32768|BRVNOCALL|?|49.099998|-72.000000|'?\?' to NOCALL-9=info (DAZudur)|\\");
}

TEST_F(MapObjectsTest, ShutdownDeletesTheObjectsTheHostPlacedBetweenItsBracketLines) {
  objects.DeleteTopicObjects();
  EXPECT_EQ(StatusLines(), (Lines{"Start of deleting objects", "End of deleting objects"}));
  // Objects the host failed or refused to place are not remembered.
  host.failing = {"CreateObject"};
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines().back(), "Host call failed: CreateObject failed");
  host.failing.clear();
  host.createStatus = 5;
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines().back(), "CreateObject() returned 5");
  objects.DeleteTopicObjects();
  EXPECT_TRUE(host.CallsOf("DeleteObject").empty());

  host.createStatus = 0;
  objects.CreateTopicObject(1);
  txtStatus.content.clear();
  objects.DeleteTopicObjects();
  EXPECT_EQ(host.CallsOf("DeleteObject"), Lines{"DeleteObject(HELP0|true)"});
  // A delete that fails is reported and the others go on.
  host.failing = {"DeleteObject"};
  objects.DeleteTopicObjects();
  EXPECT_EQ(StatusLines(),
            (Lines{"Start of deleting objects", "Object deleted (HELP0)", "End of deleting objects",
                   "Start of deleting objects", "Host call failed: DeleteObject failed",
                   "End of deleting objects"}));
}

}  // namespace
}  // namespace brevio::test
