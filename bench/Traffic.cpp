// SPDX-License-Identifier: GPL-3.0-or-later
#include "Traffic.h"

#include <cmath>
#include <cstdio>

namespace brevio::bench {

namespace {

constexpr int kStations = 400;
const char* const kComments[] = {"PHG2360 home station, messages welcome",
                                 "on the road to the hamfest", "Kenwood TH-D74 listening 145.500",
                                 "fill-in digipeater, 13.8 V", ""};
const char kSymbols[] = ">-_#&kvjbsy[O";
// What Kenwood, Yaesu and other trackers put after a Mic-E position.
const char* const kMicETails[] = {"]\"4-}=", ">=", "_(", "]", "`\"5G}_%", ""};

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

// Day, hour and minute in UTC.
std::string Traffic::Timestamp() {
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d%02dz", Number(1, 28), Number(0, 23), Number(0, 59));
  return text;
}

// A compressed position as trackers send it: symbol table, latitude and longitude in base 91,
// symbol code, then course and speed or nothing.
std::string Traffic::Compressed() {
  const auto base91 = [](long value) {
    std::string digits(4, '!');
    for (std::size_t i = 4; i-- > 0; value /= 91) digits[i] = static_cast<char>('!' + value % 91);
    return digits;
  };
  const double latitude = Number(-8000, 8000) / 100.0;
  const double longitude = Number(-17999, 17999) / 100.0;
  std::string text = "/" + base91(std::lround(380926 * (90 - latitude))) +
                     base91(std::lround(190463 * (180 + longitude))) +
                     kSymbols[Number(0, sizeof kSymbols - 2)];
  if (Number(0, 2) == 0) return text + " sT";
  return text + static_cast<char>('!' + Number(0, 89)) + static_cast<char>('!' + Number(0, 90)) +
         "[";
}

// A Mic-E report: the latitude, N/S, the longitude's 100 degrees and W/E in the destination
// (with random message bits), the longitude, speed and course in the information field.
std::string Traffic::MicE() {
  const int latitude = Number(0, 80 * 6000);  // hundredths of a minute
  const int longitude = Number(0, 179 * 6000 + 5999);
  // Degrees, minutes and hundredths of a minute, two digits each.
  const std::string digits =
      std::to_string(1000000 + latitude / 6000 * 10000 + latitude % 6000).substr(1);
  const int degrees = longitude / 6000;
  const bool flags[] = {Number(0, 1) == 1,
                        Number(0, 1) == 1,
                        Number(0, 1) == 1,
                        Number(0, 1) == 1,
                        degrees < 10 || degrees >= 100,
                        Number(0, 1) == 1};
  std::string destination;
  for (std::size_t i = 0; i < 6; ++i) {
    destination += static_cast<char>(digits[i] + (flags[i] ? 'P' - '0' : 0));
  }
  const int sentDegrees = degrees < 10    ? degrees + 90
                          : degrees < 100 ? degrees
                          : degrees < 110 ? degrees - 20
                                          : degrees - 100;
  const int minutes = longitude / 100 % 60;
  const int speed = Number(0, 120);
  const int course = Number(0, 359);
  std::string info = Number(0, 3) > 0 ? "`" : "'";
  for (const int value : {sentDegrees, minutes < 10 ? minutes + 60 : minutes, longitude % 100,
                          speed / 10 + 80, speed % 10 * 10 + (course + 400) / 100, course % 100}) {
    info += static_cast<char>(value + 28);
  }
  info += kSymbols[Number(0, sizeof kSymbols - 2)];
  info += "/";
  return destination + Path() + ":" + info + kMicETails[Number(0, std::size(kMicETails) - 1)];
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
    return line + "APWW11" + Path() + ":@" + Timestamp() + Position() + comment;
  }
  if (kind < 85) return line + "APOT30" + Path() + ":!" + Compressed() + comment;
  if (kind < 95) {  // compressed after a time stamp
    return line + "APRS" + Path() + ":@" + Timestamp() + Compressed() + comment;
  }
  if (kind < 135) return line + MicE();
  if (kind < 150) {  // weather stations
    return line + "APRS" + Path() + ":@" + Timestamp() + Position().substr(0, 18) +
           "_220/004g005t077r000p000P000h50b10130";
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
