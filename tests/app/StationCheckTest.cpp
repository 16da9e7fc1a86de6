// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/StationCheck.h"
#include "platform/IniFileReader.h"
#include "support/DefinitionFiles.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kIni =
    "[STATION]\r\nCALLSIGN=N0CALL-10\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n"
    "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\n";

struct CheckRow {
  const char* name;
  std::string ini;
  std::string topics;    // brv.txt; none written when it is "-"
  std::string objects;   // overlays/brv.pos; none written when it is "-"
  std::string critical;  // empty when a start would serve
  Lines warnings;
};

// A check over a station in temporary folders; the fake host measures 31.5 km to every object.
struct Checked : DefinitionFiles {
  explicit Checked(const CheckRow& row) {
    hostFiles.Write("uiview32.ini", row.ini);
    if (row.topics != "-") program.Write("brv.txt", row.topics);
    if (row.objects != "-") hostFiles.Write("overlays/brv.pos", row.objects);
    host.distances = {31.5, 31.5};
  }

  bool Run() try {
    StationCheck({info, log, messages, hostFolder, ini, *link}, [this](const std::string& text) {
      warnings.push_back(text);
    }).Run();
    return true;
  } catch (const ProgramEnded&) {
    return false;
  }

  IniFileReader ini;
  Lines warnings;
};

TEST(StationCheckTest, SaysWhatAStartWouldAndWarnsOfWhatIsSurelyNotMeant) {
  const std::string wx = "?WX\r\n\">Sunny, 12 C\"\r\n";
  const std::string eleven = [] {
    std::string text;
    for (char c = 'A'; c <= 'K'; ++c) text += std::string("?T") + c + "\r\n>x\r\n";
    return text;
  }();
  const CheckRow rows[] = {
      {"sound", kIni, wx, "", "", {}},
      {"no call", "[STATION]\r\n", wx, "", "Error getting station callsign from UIView32.INI", {}},
      {"latitude",
       "[STATION]\r\nCALLSIGN=N0CALL\r\nLATITUDE=49.05N\r\n",
       wx,
       "",
       "Error getting station latitude from UIView32.INI",
       {}},
      {"anyone",
       "[STATION]\r\nCALLSIGN=N0CALL\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n",
       wx,
       "",
       "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'",
       {}},
      {"no topics", kIni, "-", "", "Can not open BRV definition file ", {}},
      {"eleven", kIni, eleven, "", "More then 10 topics defined in BRV.TXT file.", {}},
      {"long name", kIni, "?WEATHER\r\n>x\r\n", "", "Topic ?WEATHER is more then 6 characters", {}},
      {"no objects", kIni, wx, "-", "Can not open overlay file ", {}},
      {"comma",
       kIni,
       "?WX\r\n>Sunny, 12 C, wind SW\r\n",
       "",
       "",
       {"warning: topic ?WX answers \"Sunny\" and drops \", 12 C, wind SW\": an unquoted comma "
        "ends the answer; write the whole line in double quotes"}},
      {"long answer",
       kIni,
       "?wx\r\n\">" + std::string(45, 'a') + ", bcd\"\r\n",
       "",
       "",
       {"warning: topic ?WX answers with the first 45 of its 50 characters and drops \", bcd\""}},
      {"built-ins",
       kIni,
       "?HELP\r\n>mine\r\n?time\r\n>noon\r\n?up\r\n",
       "",
       "",
       {"warning: topic ?HELP is never answered: ?HELP asks for the built-in list of topics",
        "warning: topic ?TIME takes the place of the built-in answer to ?TIME",
        "warning: topic ?UP takes the place of the built-in answer to ?UP"}},
      {"range",
       kIni,
       wx,
       "WX!4930.00N/07201.75W_\r\n",
       "",
       {"warning: topic ?WX places no map object: WX lies 31 km from the station, more than 25 "
        "km"}},
  };
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(row.name);
    Checked check(row);
    EXPECT_EQ(check.Run(), row.critical.empty());
    EXPECT_EQ(row.critical.empty() ? "" : check.CriticalText().substr(0, row.critical.size()),
              row.critical);
    EXPECT_EQ(check.warnings, row.warnings);
    if (row.warnings.size() == 1 && row.warnings[0].find("31 km") != std::string::npos) {
      EXPECT_EQ(check.StatusLines().back(),
                "Object WX not valid; more then 25 km (31.5 km) from station.");
    }
  }
}

}  // namespace
}  // namespace brevio::test
