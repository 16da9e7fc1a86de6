#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string_view>
#include <utility>
#include <vector>

#include "host/aprs/SenderPosition.h"
#include "host/aprs/Tnc2Line.h"
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
    "KB1TS>APRS:/000000h4903.50N/07201.75W-"};

// Blurred by blanks, and how many.
const std::pair<const char*, int> kBlurred[] = {
    {"KB1AM1>APRS:!4903.5 N/07201.7 W-", 1}, {"KB1AM2>APRS:=4903.  N/07201.  W-", 2},
    {"KB1AM3>APRS:!490 .  S/0720 .  E-", 3}, {"KB1AM4>APRS:!49  .  N/072  .  W-", 4},
    {"KB1AM5>APRS:!49  .  N/07201.75W-", 4}, {"W7SEA>TWSVSZ,WIDE1-1:`2/yo!l>/", 1},
    {"KL7ANC>VQQSZZ,WIDE1-1:`MQ~p &>/", 2},  {"N0AMB>SXUZLZ,WIDE1-1:'iZ/l 0>/", 3},
    {"VE7VAN>EJKZZZ,WIDE1-1:`3_4l\"N>/", 4}};

// The first position decode_aprs (Debian package direwolf) prints for a TNC2 line, such as
// "N 33 25.6400, W 012 07.7400", in signed degrees.
std::optional<std::pair<double, double>> DecodeAprs(const std::string& line) {
  const test::TempFolder folder;
  folder.Write("heard.txt", line + "\n");
  const std::string heard = folder.Path() + "/heard.txt";
  const std::string command = "decode_aprs '" + heard + "' >'" + heard + ".out' 2>&1";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  const std::string output = test::ReadAll(heard + ".out");
  static const std::regex kPosition(R"(([NS]) (\d+) (\d+\.\d+), ([EW]) (\d+) (\d+\.\d+))");
  std::smatch m;
  if (!std::regex_search(output, m, kPosition)) return std::nullopt;
  const auto degrees = [&m](std::size_t at, const char* negative) {
    const double value = std::stod(m[at + 1]) + std::stod(m[at + 2]) / 60;
    return m[at] == negative ? -value : value;
  };
  return std::pair{degrees(1, "S"), degrees(4, "W")};
}

// decode_aprs reads blanked digits as zeros and leaves the longitude as sent; we give the middle
// of the box the blanks leave, and blur the longitude as much as the latitude.
double MiddleOfBox(double degrees, int ambiguity) {
  const double box =
      std::array{0.0, 0.1, 1.0, 10.0, 60.0}[static_cast<std::size_t>(ambiguity)] / 60;
  if (box == 0) return degrees;
  return std::copysign((std::floor(std::fabs(degrees) / box + 1e-6) + 0.5) * box, degrees);
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
    const auto theirs = DecodeAprs(line);
    ASSERT_TRUE(ours);
    ASSERT_TRUE(theirs) << "decode_aprs failed or printed no position";
    EXPECT_EQ(ours->ambiguity, ambiguity);
    for (const auto& [mine, peer] :
         {std::pair{ours->latitude, MiddleOfBox(theirs->first, ambiguity)},
          std::pair{ours->longitude, MiddleOfBox(theirs->second, ambiguity)}}) {
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
      // minutes, longitude bytes out of range, a bad symbol table, a short field or data type
      "S32UAT:`(_fn\"Oj/]", "S32U6T:`\x80_fn\"Oj/]", "S32U6M:`(_fn\"Oj/]", "S32U6:`(_fn\"Oj/]",
      "S32U6TX:`(_fn\"Oj/]", "S3ZU6T:`(_fn\"Oj/]", "SZZZZZ:`(_fn\"Oj/]", "Y0PP1P:`(_fn\"Oj/]",
      "S36U6T:`(_fn\"Oj/]", "S32U6T:`%_fn\"Oj/]", "S32U6T:`(%fn\"Oj/]", "S32U6T:`(bfn\"Oj/]",
      "S32U6T:`(_\x90n\"Oj/]", "S32U6T:`(_fn\"Ojx]", "S32U6T:`(_fn\"Oj", "S32U6T:>(_fn\"Oj/]",
      "APRS:`(_fn\"Oj/]",
      // Objects and items are not where their sender is.
      "APRS:;LEADER   *092345z4903.50N/07201.75W>", "APRS:)AID #2!4903.50N/07201.75W-"};
  for (const std::string_view heard : refused) {
    const std::size_t colon = heard.find(':');
    EXPECT_FALSE(ParseSenderPosition(heard.substr(0, colon), heard.substr(colon + 1))) << heard;
  }
}

}  // namespace
}  // namespace brevio
