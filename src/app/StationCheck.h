// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "base/HostFolder.h"
#include "base/IniReader.h"
#include "base/Messages.h"
#include "base/ProgramInfo.h"
#include "base/StationConfig.h"
#include "base/StatusLog.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"

namespace brevio {

// What a check reads a station with: the readers and loaders of start-up.
struct CheckedStation {
  const ProgramInfo& info;
  StatusLog& log;
  Messages& messages;
  HostFolder& hostFolder;
  IniReader& ini;
  HostLink& host;
};

// Reads a station's settings, topics and objects exactly as start-up and a reload do, with
// their status lines and critical messages (a critical one ends the check where it would end a
// start), and warns where a file is valid but surely not meant.
class StationCheck {
 public:
  StationCheck(const CheckedStation& station, std::function<void(const std::string&)> warn)
      : station_(station), warn_(std::move(warn)) {}

  // Returns when a start would serve the station.
  void Run();

 private:
  void WarnOutOfRange(const TopicEntry& topic, const StationConfig& config);

  CheckedStation station_;
  std::function<void(const std::string&)> warn_;
};

}  // namespace brevio
