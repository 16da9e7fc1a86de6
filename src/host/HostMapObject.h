// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// The record handed to the host's CreateObject, properties in the host's order.
struct HostMapObject {
  bool FlagA = false;
  std::int16_t ValueA = 0;
  std::int16_t ValueB = 0;
  std::string Name;
  char Symbol = ' ';
  float Latitude = 0.0f;   // degrees, north positive
  float Longitude = 0.0f;  // degrees, east positive
  std::string Comment;
  char SymbolTable = ' ';
};

}  // namespace brevio
