#include <gtest/gtest.h>

#include "platform/IniFileReader.h"
#include "support/TempFolder.h"

namespace brevio {
namespace {

struct Lookup {
  const char* what;
  const char* file;
  const char* expected;  // "<default>" when the default comes back
};

class IniFileReaderTest : public ::testing::TestWithParam<Lookup> {};

// Every case looks up the same names, in a case the file does not use.
TEST_P(IniFileReaderTest, FindsValuesTheWayWindowsDoes) {
  const test::TempFolder dir;
  dir.Write("uiview32.ini", GetParam().file);
  EXPECT_EQ(IniFileReader().ReadIniValue(dir.Path() + "/uiview32.ini", "Station", "CallSign",
                                         "<default>"),
            GetParam().expected);
}

constexpr const char* kDefault = "<default>";

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniFileReaderTest,
    ::testing::Values(
        Lookup{"CrLfLines", "[STATION]\r\nCALLSIGN=PA3XYZ-1\r\n", "PA3XYZ-1"},
        Lookup{"NamesWithoutRegardToCase", "[station]\ncallsign=PA3XYZ\n", "PA3XYZ"},
        Lookup{"ValueKeepsItsCase", "[STATION]\nCALLSIGN=True\n", "True"},
        Lookup{"BlanksAroundNamesAndValue", "  [ STATION ]  \n\t CALLSIGN \t=  5212.34N \r\n",
               "5212.34N"},
        Lookup{"BlanksInsideTheValueStay", "[STATION]\nCALLSIGN = one  two \n", "one  two"},
        Lookup{"FirstEqualsSignSplits", "[STATION]\nCALLSIGN==x=y\n", "=x=y"},
        Lookup{"EmptyValue", "[STATION]\nCALLSIGN=\n", ""},
        Lookup{"QuotesAroundTheValueDrop", "[STATION]\nCALLSIGN=\" spaced \"\n", " spaced "},
        Lookup{"SingleQuotesDrop", "[STATION]\nCALLSIGN='x'\n", "x"},
        Lookup{"UnmatchedQuoteStays", "[STATION]\nCALLSIGN=\"open\n", "\"open"},
        Lookup{"KeyInAnotherSection", "[MESSAGES]\nCALLSIGN=A\n[STATION]\n", kDefault},
        Lookup{"SectionMissing", "[MESSAGES]\nCALLSIGN=A\n", kDefault},
        Lookup{"KeyBeforeAnySection", "CALLSIGN=A\n[STATION]\n", kDefault},
        Lookup{"CommentedOutKey", "[STATION]\n;CALLSIGN=A\n", kDefault},
        Lookup{"KeyWithoutEqualsSign", "[STATION]\nCALLSIGN\n", kDefault},
        Lookup{"PrefixOfAKeyIsNoKey", "[STATION]\nCALLSIGNS=A\n", kDefault},
        Lookup{"FirstOfTwoKeys", "[STATION]\nCALLSIGN=1\nCALLSIGN=2\n", "1"},
        Lookup{"OnlyTheFirstSectionOfAName", "[STATION]\nX=1\n[B]\n[station]\nCALLSIGN=2\n",
               kDefault},
        Lookup{"LastLineWithoutLineEnd", "[STATION]\nCALLSIGN=last", "last"},
        Lookup{"ByteOrderMarkBeforeTheFirstSection", "\xEF\xBB\xBF[STATION]\nCALLSIGN=1\n", "1"},
        Lookup{"AnsiBytesPassThrough", "[STATION]\nCALLSIGN=Gr\xFC\xDF\n", "Gr\xFC\xDF"},
        Lookup{"BracketWithoutItsCloseStartsNoSection", "[STATION]\n[B\nCALLSIGN=1\n", "1"},
        Lookup{"EmptyFile", "", kDefault}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

// At most 499 characters come back; a missing file, or a folder, gives the default.
TEST(IniFileReaderLimits, CutsLongValuesAndGivesTheDefaultWithoutAFile) {
  const test::TempFolder dir;
  dir.Write("long.ini", "[A]\nK=" + std::string(600, 'x') + "\n");
  const std::string path = dir.Path() + "/long.ini";
  IniFileReader reader;
  EXPECT_EQ(reader.ReadIniValue(path, "A", "K", ""), std::string(499, 'x'));
  EXPECT_EQ(reader.ReadIniValue(path, "A", "L", std::string(600, 'd')), std::string(499, 'd'));
  EXPECT_EQ(reader.ReadIniValue(dir.Path() + "/none.ini", "A", "K", "NOCALL"), "NOCALL");
  EXPECT_EQ(reader.ReadIniValue(dir.Path(), "A", "K", "0"), "0");
}

}  // namespace
}  // namespace brevio
