// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostMapObject.h"
#include "host/aprs/ObjectReport.h"
#include "host/station/Transport.h"
#include "host/station/UtcClock.h"

namespace brevio {

// The objects the station holds on the map, in the order placed. Each goes out as an object
// report when placed and again every 10 minutes while it lives, with the time of sending; a
// deleted one goes out once more as a killed object. Placed again unchanged within 31 s of its
// last report, it is not sent again: the networks would drop the copy as a duplicate.
class StationObjects {
 public:
  static constexpr std::int32_t kRepeatMs = 600000;
  static constexpr std::int32_t kMinSpacingMs = 31000;
  // Far more than a station shows; it keeps a run of refused names from growing the list.
  static constexpr std::size_t kMaxObjects = 100;

  // What Create gives back, as the host's CreateObject status.
  static constexpr std::int16_t kPlaced = 0;
  static constexpr std::int16_t kNoObjectReport = 1;  // name or position cannot be sent
  static constexpr std::int16_t kListFull = 2;

  StationObjects(Transport& transport, UtcClock& utc) : transport_(transport), utc_(utc) {}

  // Places `object` (replacing a held one of the same name) and transmits its report in
  // `envelope` (source, destination, path) on `port`.
  std::int16_t Create(const HostMapObject& object, const Tnc2Frame& envelope, std::int16_t port,
                      std::int32_t now);

  // Removes the object and transmits it killed; false when no object has that name.
  bool Delete(std::string_view name);

  // "*" followed by the name, for each object held.
  std::vector<std::string> List() const;

  // Sends again the reports that are due at `now`.
  void Poll(std::int32_t now);

  // A frame with information field `info` has left the link at `now`: an object's next report
  // waits its full repeat from then, however long the link held this one.
  void Left(std::string_view info, std::int32_t now);

  // When the next report is due; nothing when no object is held.
  std::optional<std::int32_t> NextDue() const;

 private:
  struct Held {
    ObjectReport report;
    Tnc2Frame envelope;
    std::int16_t port = 0;
    std::int32_t due = 0;
    // The information field of the report sent last, and when it left.
    std::string sentInfo;
    std::int32_t sentAt = 0;
  };

  // The frame of `held` stamped with the current time, remembered as sent; nothing when it
  // cannot be written.
  std::optional<Tnc2Frame> Frame(Held& held);

  Transport& transport_;
  UtcClock& utc_;
  std::vector<Held> objects_;
};

}  // namespace brevio
