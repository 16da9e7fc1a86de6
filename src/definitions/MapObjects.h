// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/StationConfig.h"
#include "base/StatusLog.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"

namespace brevio {

// The map objects the server places through the host: one per answered topic that has an
// object, the server's own object, and their removal at shutdown. Each operation opens a
// connection of its own to the host.
class MapObjects {
 public:
  MapObjects(const TopicTable& topics, const StationConfig& station, HostConnector& host,
             StatusLog& log, Clock& clock)
      : topics_(topics), station_(station), host_(host), log_(log), clock_(clock) {}

  void CreateTopicObject(std::int16_t topicIndex);
  void CreateServerObject();
  void DeleteTopicObjects();

 private:
  std::array<std::string, TopicTable::kCapacity> PlacedObjectNames;
  std::int32_t LastServerObjectTime = 0;

  const TopicTable& topics_;
  const StationConfig& station_;
  HostConnector& host_;
  StatusLog& log_;
  Clock& clock_;
};

}  // namespace brevio
