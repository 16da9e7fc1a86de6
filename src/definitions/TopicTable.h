// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brevio {

// One operator topic: its name and answer (topic file) and its map object (object file).
struct TopicEntry {
  std::string strTopic;     // upper case, with its leading "?", at most 6 characters
  std::string strResponse;  // at most 45 characters
  std::string strObject;    // object base name; empty when the topic has no object in range
  double dblLat = 0.0;
  double dblLong = 0.0;
  std::string strSymbol;  // one character
  std::string strTable;   // one character
};

// The program's one table of topics, addressed by a 1-based topic index.
class TopicTable {
 public:
  static constexpr std::int16_t kCapacity = 10;

  std::int16_t TopicCount = 0;

  // Entry `index`, 1 to kCapacity.
  TopicEntry& operator[](std::int16_t index) { return entries_.at(Slot(index)); }
  const TopicEntry& operator[](std::int16_t index) const { return entries_.at(Slot(index)); }

 private:
  static std::size_t Slot(std::int16_t index) { return static_cast<std::size_t>(index - 1); }
  std::array<TopicEntry, kCapacity> entries_{};
};

}  // namespace brevio
