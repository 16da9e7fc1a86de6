// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/HostFolder.h"
#include "base/Messages.h"
#include "base/StationConfig.h"
#include "base/StatusLog.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"

namespace brevio {

// How far from the station a topic's object may lie, in km.
inline constexpr int kObjectRangeKm = 25;

// Loads the map object of each topic from overlays/brv.pos in the host's folder, and keeps only
// objects within 25 km of the station.
class ObjectDefinitions {
 public:
  ObjectDefinitions(TopicTable& topics, const StationConfig& station, HostLink& host,
                    HostFolder& hostFolder, StatusLog& log, Messages& messages)
      : topics_(topics),
        station_(station),
        host_(host),
        hostFolder_(hostFolder),
        log_(log),
        messages_(messages) {}

  // Sets the object fields of every topic that an item of the file names; a file that cannot be
  // read is critical. Runs right after each topic load.
  void LoadObjectDefinitions();

 private:
  void UseItem(const std::string& item);
  void SetObject(TopicEntry& topic, const std::string& item);
  // The host's distance from the station in km; 1 when the host gives none.
  double DistanceFromStation(double lat, double lon);

  TopicTable& topics_;
  const StationConfig& station_;
  HostLink& host_;
  HostFolder& hostFolder_;
  StatusLog& log_;
  Messages& messages_;
};

}  // namespace brevio
