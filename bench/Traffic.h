// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace brevio::bench {

// Made-up monitored APRS traffic in the proportions of a busy APRS-IS full feed: TNC2 lines from
// a few hundred stations, most of them position reports (plain, time-stamped, compressed and
// Mic-E), then weather, status, telemetry, objects and messages between stations, and now and
// then a query: to QDOS for anyone, or to the station N0CALL-10 of examples/station.
class Traffic {
 public:
  explicit Traffic(std::uint32_t seed = 1);

  // The next `count` frames, each line ended by LF.
  std::string Lines(std::size_t count);

 private:
  std::string Line();
  std::string Call();
  std::string Path();
  std::string Position();
  std::string Timestamp();
  std::string Compressed();
  std::string MicE();
  std::string Printable(int length, char first, char last);
  int Number(int low, int high);

  std::mt19937 random_;
  std::vector<std::string> calls_;
};

}  // namespace brevio::bench
