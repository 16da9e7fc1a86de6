// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace brevio {

// One process per station call on this machine, whoever runs it and wherever its temporary
// folder lies: two would each ack and answer every query.
class StationLock {
 public:
  virtual ~StationLock() = default;

  // Claims `call` for this process until it ends. When another process holds it already, says
  // which ("process 1234 of user op"); nothing when the call is now this process's own.
  virtual std::optional<std::string> ClaimStation(const std::string& call) = 0;
};

}  // namespace brevio
