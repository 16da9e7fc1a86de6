// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <memory>

#include "base/StationLock.h"

namespace brevio {

// Holds a Unix socket in the abstract namespace named after the call: it is the same for every
// user, temporary folder and private /tmp of this machine, and vanishes with its process, so a
// crash leaves nothing stale behind. A later process that cannot bind the name connects to it and
// learns the holder's process from the socket's peer credentials.
class AbstractStationLock : public StationLock {
 public:
  AbstractStationLock() = default;
  ~AbstractStationLock() override;
  AbstractStationLock(const AbstractStationLock&) = delete;
  AbstractStationLock& operator=(const AbstractStationLock&) = delete;

  std::optional<std::string> ClaimStation(const std::string& call) override;

 private:
  void AcceptAndClose();

  int socket_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace brevio
