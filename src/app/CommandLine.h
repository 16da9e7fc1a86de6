// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/net/TncAddress.h"

namespace brevio {

// What the command line asks for.
struct CommandLine {
  bool headless = false;
  bool showHelp = false;
  bool showVersion = false;
  // Write the add-on registration file and exit.
  bool createXtr = false;
  // Read the station's files as a start would, say what a start would say of them and exit.
  bool check = false;
  // Print monitored traffic (the APRS data box) on standard error too, when headless.
  bool echo = false;
  // The station host's link (--tnc); Direwolf's KISS port on this machine when none is given.
  TncAddress tnc = kDefaultTnc;
  bool tncGiven = false;
  // Folders that replace the host's stored program folder and the executable's folder.
  std::optional<std::string> hostFolder;
  std::optional<std::string> programFolder;
  // --new-station DIR: write a new station there, with --call and --position when given.
  std::optional<std::string> newStation;
  std::optional<std::string> call;
  std::optional<std::string> position;
  // Set when the arguments cannot be understood; says why.
  std::string error;
};

// Reads the arguments that follow the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace brevio
