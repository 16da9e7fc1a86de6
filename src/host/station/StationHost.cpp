// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StationHost.h"

#include "host/station/GreatCircle.h"
#include "host/station/Station.h"

namespace brevio {

StationHost::~StationHost() {
  station_.ConnectEvents(this, nullptr);
}

void StationHost::ConnectEvents(HostEvents* events) {
  station_.ConnectEvents(this, events);
}

void StationHost::DistanceBearing(double lat1, double long1, double lat2, double long2,
                                  double& distance, double& bearing, bool) {
  const GreatCircleCourse course = GreatCircle(lat1, long1, lat2, long2);
  distance = course.distanceKm;
  bearing = course.bearingDegrees;
}

std::string StationHost::ReceivedData() {
  return station_.ReceivedData();
}

void StationHost::GetObjectList(std::vector<std::string>& list) {
  list = station_.ObjectList();
}

void StationHost::CreateObject(const HostMapObject& object, std::int16_t& status) {
  status = station_.CreateObject(object);
}

void StationHost::DeleteObject(const std::string& name, bool, std::int32_t& result) {
  result = station_.DeleteObject(name) ? 0 : 1;
}

void StationHost::SendAPRSMessage(const std::string& destination, const std::string& path,
                                  std::int16_t port, const std::string& messageType,
                                  std::string text) {
  station_.SendAPRSMessage(destination, path, port, messageType, text);
}

}  // namespace brevio
