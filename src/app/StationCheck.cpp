// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StationCheck.h"

#include <fstream>
#include <sstream>

#include "app/StationSettings.h"
#include "app/TopicFileWarnings.h"
#include "base/PathText.h"
#include "base/StationConfig.h"
#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"
#include "definitions/TopicTable.h"

namespace brevio {

namespace {

// The file's bytes; empty when it cannot be read, which the topic load then reports.
std::string FileText(const std::string& path) {
  std::ostringstream text;
  std::ifstream file(path, std::ios::binary);
  if (file) text << file.rdbuf();
  return text.str();
}

}  // namespace

void StationCheck::Run() {
  CheckedStation& s = station_;
  StationConfig config;
  StationSettings(s.ini, s.log, s.messages)
      .ReadStationSettings(JoinPath(s.hostFolder.GetHostFolder(), "uiview32.ini"), config);
  for (const std::string& warning :
       TopicFileWarnings(FileText(JoinPath(s.info.programFolder, "brv.txt")))) {
    warn_(warning);
  }
  TopicTable topics;
  TopicDefinitions(topics, s.info, s.log, s.messages).LoadTopicDefinitions();
  ObjectDefinitions(topics, config, s.host, s.hostFolder, s.log, s.messages)
      .LoadObjectDefinitions();
  for (std::int16_t i = 1; i <= topics.TopicCount; ++i) WarnOutOfRange(topics[i], config);
}

// A position read and then refused, measured as the load measured it.
void StationCheck::WarnOutOfRange(const TopicEntry& topic, const StationConfig& config) {
  if (!topic.strObject.empty() || topic.strTable.empty()) return;
  double distance = 1.0;
  double bearing = 0.0;
  station_.host.DistanceBearing(topic.dblLat, topic.dblLong, config.StationLat, config.StationLong,
                                distance, bearing, true);
  if (distance <= kObjectRangeKm) return;
  warn_("warning: topic " + topic.strTopic + " places no map object: " + topic.strTopic.substr(1) +
        " lies " + std::to_string(static_cast<int>(distance)) +
        " km from the station, more than 25 km");
}

}  // namespace brevio
