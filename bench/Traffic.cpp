#include "Traffic.h"

#include <cstdio>

namespace brevio::bench {

namespace {

constexpr int kStations = 400;
const char* const kComments[] = {"PHG2360 home station, messages welcome",
                                 "on the road to the hamfest", "Kenwood TH-D74 listening 145.500",
                                 "fill-in digipeater, 13.8 V", ""};
const char kSymbols[] = ">-_#&kvjbsy[O";

}  // namespace

Traffic::Traffic(std::uint32_t seed) : random_(seed) {
  const char* const prefixes[] = {"K", "W", "N", "VE", "DL", "G", "F", "PA", "OH", "JA", "VK"};
  for (int i = 0; i < kStations; ++i) {
    std::string call = prefixes[Number(0, std::size(prefixes) - 1)];
    call += static_cast<char>('0' + Number(0, 9));
    call += Printable(Number(2, 3), 'A', 'Z');
    if (Number(0, 2) > 0) call += "-" + std::to_string(Number(1, 15));
    calls_.push_back(call);
  }
}

int Traffic::Number(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

std::string Traffic::Printable(int length, char first, char last) {
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>(Number(first, last));
  return text;
}

std::string Traffic::Call() {
  return calls_[static_cast<std::size_t>(Number(0, kStations - 1))];
}

// Heard on the air through digipeaters, or passed on by APRS-IS.
std::string Traffic::Path() {
  switch (Number(0, 3)) {
    case 0:
      return ",WIDE1-1,WIDE2-1";
    case 1:
      return "," + Call() + "*,WIDE2-1,qAR," + Call();
    default:
      return ",TCPIP*,qAC,T2EUROPE";
  }
}

std::string Traffic::Position() {
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02d.%02dN/%03d%02d.%02dW%c", Number(0, 89), Number(0, 59),
                Number(0, 99), Number(0, 179), Number(0, 59), Number(0, 99),
                kSymbols[Number(0, sizeof kSymbols - 2)]);
  return text;
}

std::string Traffic::Line() {
  std::string line = Call() + ">";
  const int kind = Number(0, 199);
  const std::string number = std::to_string(Number(1, 999));
  const std::string comment = kComments[Number(0, std::size(kComments) - 1)];
  if (kind < 50) {  // plain positions, with and without messaging
    return line + "APDR16" + Path() + ":" + (kind % 2 ? "!" : "=") + Position() + comment;
  }
  if (kind < 70) {  // time-stamped positions
    return line + "APWW11" + Path() + ":@" + std::to_string(100000 + Number(0, 99999)) + "z" +
           Position() + comment;
  }
  if (kind < 90) {  // compressed positions, which the station does not read as beacons
    return line + "APOT30" + Path() + ":!/" + Printable(8, '!', '{') + ">" +
           Printable(3, '!', '{') + comment;
  }
  if (kind < 125) {  // Mic-E, position in the destination
    return line + "S" + Printable(5, '0', '9') + Path() + ":`" + Printable(8, '(', 'z') +
           ">/]\"4-}=";
  }
  if (kind < 145) {  // weather stations
    return line + "APRS" + Path() + ":@" + std::to_string(100000 + Number(0, 99999)) + "z" +
           Position().substr(0, 18) + "_220/004g005t077r000p000P000h50b10130";
  }
  if (kind < 160) return line + "APRS" + Path() + ":>Net tonight 20:00 local, all welcome";
  if (kind < 170) {
    return line + "APRS" + Path() + ":T#" + number + ",199,000,255,073,123,01101001";
  }
  if (kind < 180) {
    return line + "APRS" + Path() + ":;" + Printable(9, 'A', 'Z') + "*092345z" + Position() +
           "088/036 event";
  }
  std::string addressee = Call();
  addressee.resize(9, ' ');
  if (kind < 192) return line + "APRS" + Path() + "::" + addressee + ":See you tonight{" + number;
  if (kind < 198) return line + "APRS" + Path() + "::" + addressee + ":ack" + number;
  if (kind < 199) return line + "APRS,WIDE1-1::QDOS     :WX{" + number;
  return line + "APRS,WIDE1-1::N0CALL-10:?WX{" + number;
}

std::string Traffic::Lines(std::size_t count) {
  std::string lines;
  for (std::size_t i = 0; i < count; ++i) lines += Line() + "\n";
  return lines;
}

}  // namespace brevio::bench
