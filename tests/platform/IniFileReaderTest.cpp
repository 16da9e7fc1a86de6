#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "platform/IniFileReader.h"

namespace brevio {
namespace {

struct Lookup {
  const char* what;
  const char* file;
  const char* section;
  const char* key;
  const char* expected;  // "<default>" when the default comes back
};

class IniFileReaderTest : public ::testing::TestWithParam<Lookup> {
 protected:
  std::string Write(const std::string& bytes) {
    const std::string path = dir_.path().toStdString() + "/uiview32.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
  }

  QTemporaryDir dir_;
};

TEST_P(IniFileReaderTest, FindsValuesTheWayWindowsDoes) {
  const std::string path = Write(GetParam().file);
  EXPECT_EQ(IniFileReader().ReadIniValue(path, GetParam().section, GetParam().key, "<default>"),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniFileReaderTest,
    ::testing::Values(
        Lookup{"CrLfLines", "[STATION]\r\nCALLSIGN=PA3XYZ-1\r\n", "STATION", "CALLSIGN",
               "PA3XYZ-1"},
        Lookup{"NamesWithoutRegardToCase", "[Station]\ncallsign=PA3XYZ\n", "STATION", "CALLSIGN",
               "PA3XYZ"},
        Lookup{"ValueKeepsItsCase", "[MESSAGES]\nNOT_FROM_ME=True\n", "messages", "not_from_me",
               "True"},
        Lookup{"BlanksAroundNamesAndValue", "  [ STATION ]  \n\t LATITUDE \t=  5212.34N \r\n",
               "STATION", "LATITUDE", "5212.34N"},
        Lookup{"BlanksInsideTheValueStay", "[A]\nK = one  two \n", "A", "K", "one  two"},
        Lookup{"FirstEqualsSignSplits", "[A]\nK==x=y\n", "A", "K", "=x=y"},
        Lookup{"EmptyValue", "[MESSAGES]\nREMOTE_COMMANDS=\n", "MESSAGES", "REMOTE_COMMANDS", ""},
        Lookup{"QuotesAroundTheValueDrop", "[A]\nK=\" spaced \"\n", "A", "K", " spaced "},
        Lookup{"SingleQuotesDrop", "[A]\nL='x'\n", "A", "L", "x"},
        Lookup{"UnmatchedQuoteStays", "[A]\nM=\"open\n", "A", "M", "\"open"},
        Lookup{"KeyInAnotherSection", "[STATION]\nCALLSIGN=A\n[MESSAGES]\n", "MESSAGES", "CALLSIGN",
               "<default>"},
        Lookup{"SectionMissing", "[STATION]\nCALLSIGN=A\n", "MESSAGES", "CALLSIGN", "<default>"},
        Lookup{"KeyBeforeAnySection", "CALLSIGN=A\n[STATION]\n", "STATION", "CALLSIGN",
               "<default>"},
        Lookup{"CommentedOutKey", "[STATION]\n;CALLSIGN=A\n", "STATION", "CALLSIGN", "<default>"},
        Lookup{"KeyWithoutEqualsSign", "[STATION]\nCALLSIGN\n", "STATION", "CALLSIGN", "<default>"},
        Lookup{"PrefixOfAKeyIsNoKey", "[STATION]\nCALLSIGNS=A\n", "STATION", "CALLSIGN",
               "<default>"},
        Lookup{"FirstOfTwoKeys", "[A]\nK=1\nK=2\n", "A", "K", "1"},
        Lookup{"OnlyTheFirstSectionOfAName", "[A]\nX=1\n[B]\n[a]\nK=2\n", "A", "K", "<default>"},
        Lookup{"LastLineWithoutLineEnd", "[A]\nK=last", "A", "K", "last"},
        Lookup{"ByteOrderMarkBeforeTheFirstSection", "\xEF\xBB\xBF[A]\nK=1\n", "A", "K", "1"},
        Lookup{"AnsiBytesPassThrough", "[A]\nK=Gr\xFC\xDF\n", "A", "K", "Gr\xFC\xDF"},
        Lookup{"BracketWithoutItsCloseStartsNoSection", "[A]\n[B\nK=1\n", "A", "K", "1"},
        Lookup{"EmptyFile", "", "A", "K", "<default>"}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST(IniFileReaderLimits, AtMost499CharactersComeBack) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/long.ini";
  std::ofstream(path, std::ios::binary) << "[A]\nK=" << std::string(600, 'x') << "\n";
  IniFileReader reader;
  EXPECT_EQ(reader.ReadIniValue(path, "A", "K", ""), std::string(499, 'x'));
  EXPECT_EQ(reader.ReadIniValue(path, "A", "L", std::string(600, 'd')), std::string(499, 'd'));
}

TEST(IniFileReaderLimits, AMissingFileOrAFolderGivesTheDefault) {
  QTemporaryDir dir;
  IniFileReader reader;
  EXPECT_EQ(reader.ReadIniValue(dir.path().toStdString() + "/none.ini", "A", "K", "NOCALL"),
            "NOCALL");
  EXPECT_EQ(reader.ReadIniValue(dir.path().toStdString(), "A", "K", "0"), "0");
}

}  // namespace
}  // namespace brevio
