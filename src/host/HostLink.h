// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/HostEvents.h"
#include "host/HostMapObject.h"

namespace brevio {

// A host operation that did not complete (the host is gone, refused the call, or failed in it).
class HostCallFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One connection to the host application: its operations, in the host's order, and the sink its
// events go to. Any operation may throw HostCallFailed.
class HostLink {
 public:
  virtual ~HostLink() = default;

  // Connects the host's events to `events` (nullptr disconnects them).
  virtual void ConnectEvents(HostEvents* events) = 0;

  // Great-circle distance in kilometres between two positions in degrees; `bearing` is the
  // host's second result. `distance` is left as it is when the host gives nothing back.
  virtual void DistanceBearing(double lat1, double long1, double lat2, double long2,
                               double& distance, double& bearing, bool flag) = 0;

  // The monitored traffic of the latest DataAvailable, lines separated by CR LF.
  virtual std::string ReceivedData() = 0;

  // One entry per object the host holds: one leading character, then the object's name.
  virtual void GetObjectList(std::vector<std::string>& list) = 0;

  // Places `object` on the map; status 0 means placed.
  virtual void CreateObject(const HostMapObject& object, std::int16_t& status) = 0;

  virtual void DeleteObject(const std::string& name, bool flag, std::int32_t& result) = 0;

  virtual void SendAPRSMessage(const std::string& destination, const std::string& path,
                               std::int16_t port, const std::string& messageType,
                               std::string text) = 0;
};

// Opens connections to the running host: one held by the main window for the whole run, and a
// fresh one for each map-object operation.
class HostConnector {
 public:
  virtual ~HostConnector() = default;

  // Throws HostCallFailed when no host can be reached.
  virtual std::unique_ptr<HostLink> Connect() = 0;
};

}  // namespace brevio
