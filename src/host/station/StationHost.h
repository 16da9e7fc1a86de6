// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/HostLink.h"

namespace brevio {

class Station;

// One connection to the station host. Every connection reaches the same station; the events of
// the station go to the events this connection connected, until it disconnects or goes.
class StationHost : public HostLink {
 public:
  explicit StationHost(Station& station) : station_(station) {}
  ~StationHost() override;
  StationHost(const StationHost&) = delete;
  StationHost& operator=(const StationHost&) = delete;

  void ConnectEvents(HostEvents* events) override;
  // Haversine distance in kilometres and initial bearing in degrees; the flag is not read.
  void DistanceBearing(double lat1, double long1, double lat2, double long2, double& distance,
                       double& bearing, bool flag) override;
  std::string ReceivedData() override;
  void GetObjectList(std::vector<std::string>& list) override;
  // Status 0 placed; 1 when the name (1 to 9 characters) or the position cannot be sent in an
  // object report; 2 when the station holds as many objects as it keeps.
  void CreateObject(const HostMapObject& object, std::int16_t& status) override;
  // Result 0 deleted, 1 no object of that name; the flag is not read.
  void DeleteObject(const std::string& name, bool flag, std::int32_t& result) override;
  // Message type "A" only; an empty path sends with the station's default path.
  void SendAPRSMessage(const std::string& destination, const std::string& path, std::int16_t port,
                       const std::string& messageType, std::string text) override;

 private:
  Station& station_;
};

}  // namespace brevio
