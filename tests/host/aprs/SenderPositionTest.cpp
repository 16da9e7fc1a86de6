// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "host/aprs/SenderPosition.h"
#include "host/aprs/Tnc2Line.h"
#include "support/DecodeAprsReading.h"
#include "support/TempFolder.h"

namespace brevio {
namespace {

// Reports as stations send them, in every quarter of the globe.
const char* const kExact[] = {
    // Uncompressed, with and without a time stamp
    "WB4APR>APRS,WIDE2-1:!3859.11N/07629.24W-PHG5132",
    "PA3BRV>APDR16,WIDE1-1:=5205.29N/00506.77E$ APRSdroid",
    "N1ABC-9>APWW11:/092345z4903.50N/07201.75W>088/036",
    "VK4WX>APRS:@092345/2728.41S/15301.97E_090/005g010t077", "A35TO>APRS:=2108.00S/17512.00W-",
    // Compressed: none, course and speed, range, altitude; after a time stamp; overlays
    "W4CMP>APRS,WIDE1-1:!/5L!!<*e7>7P[", "W4CMP>APRS:@092345z/5L!!<*e7>{?!",
    "W4CMP>APRS:!/5L!!<*e7OS]S", "M0XER-3>APRS63,WIDE2-1:!/4\\;u/)K$O J]YD/A=041216|h`RY(1>q!(|",
    "VK2RHR>APNW01:!a_Xxjtak'# sTPHG5130", "LU1CMP>APOT30:=\\_zg)?d5=k7P[",
    "KL7CMP>APRS:/092345zD/Ry$(X;^& sT",
    // Mic-E current and old; longitudes of 0 to 9, 100 to 109 and over 110 degrees
    "W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]",
    "K6LAX>STPSQS-2,WIDE1-1:`.*Zl \x1c>/>=", "W0DEN>SYTTSU,WIDE1-1:'pWFr,dv/\"3r}_%",
    "G4LON>UQSPTS,WIDE1-1:`v_^lSI[/>Walking", "F5PAR>TXUQT0,WIDE1-1:'x1)m4H>/]",
    "VK2SYD>SSU2Q3,WIDE1-1:`O(TpsS>\\_(", "ZS6JHB>2V1225,WIDE1-1:`8Zpn5s>/",
    "JA1TKY>SUTPU7,WIDE1-1:'CENl \x1c-/]", "ZL1AKL>SVU0Y1,WIDE1-1:`kWvm-!>/",
    "PY2SAO>RSS30S,WIDE1-1:`JB\x1cl}1jS", "OH2HEL>GA1P19,WIDE1-1:`4T:n\\`>/",
    "9V1SG>PQRQQ3,WIDE1-1:`oM/n!N>/", "W3MIN>S32U6T,WIDE1-1:`&&fn\"Oj/]",
    "KB1TS>APRS:/000000h4903.50N/07201.75W-",
    // Raw GPS sentences of other talkers, a Mic-E symbol no table has, the digits of a !DAO!
    // (recorded traffic holds more: tests/e2e/CorpusTest)
    "N1GNS>APRS:$GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*74",
    "W3MIC>S32U6T,WIDE1-1:`(_fn\"Ojz]", "W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj \x01",
    "N1DAO>APRS:!4903.50N/07201.75W-Test !W59!", "W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]!W59!="};

// What decode_aprs reads otherwise or not at all, as the APRS references read it: GLL, a
// checksum left out, a "!" position within a beacon text's first 40 characters, a !DAO! first
// in the comment or in base 91; a !DAO! out of range, past the date line, after a blurred or
// a compressed position changes nothing.
const std::pair<const char*, std::pair<double, double>> kAsTheReferencesRead[] = {
    {"$GPGLL,4916.45,N,12311.12,W,225444,A*31", {49 + 16.45 / 60, -123 - 11.12 / 60}},
    {"$GPGLL,4916.45,N,12311.12,W,225444,A", {49 + 16.45 / 60, -123 - 11.12 / 60}},
    {"$GPRMC,013647,A,3350.076,N,11806.996,W,028.3,180.5,231105,013.5,E*69 \r",
     {33 + 50.076 / 60, -118 - 6.996 / 60}},
    {"TNC BTEXT !4903.50N/07201.75W-", {49 + 3.5 / 60, -72 - 1.75 / 60}},
    {"a23456789012345678901234567890123456789!4903.50S/07201.75E-",
     {-49 - 3.5 / 60, 72 + 1.75 / 60}},
    {"!4903.50N/07201.75W-!W59!", {49 + 3.505 / 60, -72 - 1.759 / 60}},
    {"=4903.50S/07201.75E-!w%{! hi",
     {-49 - (3.5 + 4 / 9100.0) / 60, 72 + (1.75 + 90 / 9100.0) / 60}},
    {"!4903.50N/07201.75W-!W5 !", {49 + 3.5 / 60, -72 - 1.75 / 60}},
    {"!4903.50N/07201.75W-!wZ~!", {49 + 3.5 / 60, -72 - 1.75 / 60}},
    {"!0000.00N/18000.00W-!W11!", {0, -180}},
    {"!4903.5 N/07201.7 W-!W59!", {49 + 3.55 / 60, -72 - 1.75 / 60}},
    {"!/5L!!<*e7>7P[!W59!", {90 - 15427503 / 380926.0, 20427156 / 190463.0 - 180}}};

TEST(SenderPosition, ReadsWhatDecodeAprsDoesNotAsTheReferencesDo) {
  for (const auto& [info, degrees] : kAsTheReferencesRead) {
    const std::optional<AprsPosition> ours = ParseSenderPosition("APRS", info);
    ASSERT_TRUE(ours) << info;
    EXPECT_NEAR(ours->latitude, degrees.first, 1e-9) << info;
    EXPECT_NEAR(ours->longitude, degrees.second, 1e-9) << info;
  }
}

// Blurred by blanks, and how many.
const std::pair<const char*, int> kBlurred[] = {
    {"KB1AM1>APRS:!4903.5 N/07201.7 W-", 1}, {"KB1AM2>APRS:=4903.  N/07201.  W-", 2},
    {"KB1AM3>APRS:!490 .  S/0720 .  E-", 3}, {"KB1AM4>APRS:!49  .  N/072  .  W-", 4},
    {"KB1AM5>APRS:!49  .  N/07201.75W-", 4}, {"W7SEA>TWSVSZ,WIDE1-1:`2/yo!l>/", 1},
    {"KL7ANC>VQQSZZ,WIDE1-1:`MQ~p &>/", 2},  {"N0AMB>SXUZLZ,WIDE1-1:'iZ/l 0>/", 3},
    {"VE7VAN>EJKZZZ,WIDE1-1:`3_4l\"N>/", 4}};

// What decode_aprs prints for a TNC2 line.
std::string DecodeAprs(const std::string& line) {
  const test::TempFolder folder;
  folder.Write("heard.txt", line + "\n");
  const std::string heard = folder.Path() + "/heard.txt";
  const std::string command = "decode_aprs '" + heard + "' >'" + heard + ".out' 2>&1";
  return std::system(command.c_str()) == 0 ? test::ReadAll(heard + ".out") : "";
}

TEST(SenderPosition, AgreesWithDecodeAprs) {
  ASSERT_EQ(std::system("command -v decode_aprs >/dev/null"), 0)
      << "decode_aprs not found: install the Debian package direwolf (scripts/setup-packages)";
  std::vector<std::pair<const char*, int>> heard(std::begin(kBlurred), std::end(kBlurred));
  for (const char* line : kExact) heard.emplace_back(line, 0);
  double largest = 0;
  for (const auto& [line, ambiguity] : heard) {
    SCOPED_TRACE(line);
    const Tnc2Frame frame = ParseTnc2Line(line, CallSignRule::Ax25).value();
    const std::optional<AprsPosition> ours = ParseSenderPosition(frame.destination, frame.info);
    const auto theirs = test::DecodeAprsPosition(DecodeAprs(line));
    ASSERT_TRUE(ours);
    ASSERT_TRUE(theirs) << "decode_aprs failed or printed no position";
    EXPECT_EQ(ours->ambiguity, ambiguity);
    for (const auto& [mine, peer] :
         {std::pair{ours->latitude, test::MiddleOfBox(theirs->first, ambiguity)},
          std::pair{ours->longitude, test::MiddleOfBox(theirs->second, ambiguity)}}) {
      EXPECT_NEAR(mine, peer, 1e-4);
      largest = std::max(largest, std::fabs(mine - peer));
    }
  }
  std::printf("%zu reports, largest difference %.1e degrees\n", heard.size(), largest);
}

TEST(SenderPosition, RefusesMalformedReportsAndOtherDataTypes) {
  const char* const refused[] = {
      // Uncompressed
      "APRS:", "APRS:!", "APRS:>status", "APRS:!4903.50N/07201.75W", "APRS:!49 3.50N/07201.75W-",
      "APRS:!4903. 0N/07201.75W-", "APRS:!4960.00N/07201.75W-", "APRS:!9100.00N/07201.75W-",
      "APRS:!90  .  N/07201.75W-", "APRS:!4903.50X/07201.75W-", "APRS:!4903,50N/07201.75W-",
      "APRS:!4903.50N/18100.00W-", "APRS:!4903.50Na07201.75W-", "APRS:!4903.50N/07201.75W ",
      "APRS:/092345x4903.50N/07201.75W-", "APRS:/092545z4903.50N/07201.75W-",
      "APRS:/0923z4903.50N/07201.75W-", "APRS:/126000h4903.50N/07201.75W-",
      "APRS:!4903.50N/07201.75W\xff",
      // Compressed: out of range, short, past a pole or the date line, bad symbol or course byte
      "APRS:!/5L!!<*e~>7P[", "APRS:!/5L! <*e7>7P[", "APRS:!/5L!!<*e7>7P", "APRS:@092345z/5L!!<*e7>",
      "APRS:!/{{{{<*e7>7P[", "APRS:!/!!!!{{{{>7P[", "APRS:!k5L!!<*e7>7P[", "APRS:!/5L!!<*e7 7P[",
      "APRS:!/5L!!<*e7>}P[",
      // Mic-E: bad or misplaced destination characters, bad lengths, a latitude past 90 or of 60
      // minutes, longitude bytes out of range, a short field or data type
      "S32UAT:`(_fn\"Oj/]", "S32U6T:`\x80_fn\"Oj/]", "S32U6M:`(_fn\"Oj/]", "S32U6:`(_fn\"Oj/]",
      "S32U6TX:`(_fn\"Oj/]", "S3ZU6T:`(_fn\"Oj/]", "SZZZZZ:`(_fn\"Oj/]", "Y0PP1P:`(_fn\"Oj/]",
      "S36U6T:`(_fn\"Oj/]", "S32U6T:`%_fn\"Oj/]", "S32U6T:`(%fn\"Oj/]", "S32U6T:`(bfn\"Oj/]",
      "S32U6T:`(_\x90n\"Oj/]", "S32U6T:`(_fn\"Oj", "S32U6T:>(_fn\"Oj/]", "APRS:`(_fn\"Oj/]",
      // Raw GPS: a bad checksum, no fix, impossible values, a cut sentence, fields out of
      // place, another sentence
      "APRS:$GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*00",

      "APRS:$GPRMC,013801,V,3354.0188,N,11805.8904,W,000.0,000.0,301105,013.7,E*73",
      "APRS:$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,*46",
      "APRS:$GPGLL,4916.45,N,12311.12,W,225444,V*26",
      "APRS:$GPRMC,123519,A,4860.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B",
      "APRS:$GPRMC,123519,A,9107.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6E",

      "APRS:$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394*11",
      "APRS:$GPRMC,013641.06,A,3348.1607,N,1180", "APRS:$GPRMC,123519,A,,,,,0,0,0,0,W*7C",
      "APRS:$GPRMC,123519,A,4807.038,n,01131.000,e,022.4,084.4,230394,003.1,W*6A",
      "APRS:$GPRMC,123519,A,807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*5E",

      "APRS:$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48",
      // A "!" too far into a beacon text, or after a data type of its own
      "APRS:a234567890123456789012345678901234567890!4903.50N/07201.75W-",
      "APRS:>status !4903.50N/07201.75W-", "APRS:T#005,!4903.50N/07201.75W-",
      // Objects and items are not where their sender is.
      "APRS:;LEADER   *092345z4903.50N/07201.75W>", "APRS:)AID #2!4903.50N/07201.75W-"};
  for (const std::string_view heard : refused) {
    const std::size_t colon = heard.find(':');
    EXPECT_FALSE(ParseSenderPosition(heard.substr(0, colon), heard.substr(colon + 1))) << heard;
  }
}

}  // namespace
}  // namespace brevio
