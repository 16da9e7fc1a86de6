// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/HostVersionSource.h"

namespace brevio {

// The station host has no executable; it reports the version of the host interface that it
// honours, 2.03, for any path.
class StationHostVersion : public HostVersionSource {
 public:
  std::optional<FixedFileVersion> HostFileVersion(const std::string&) override {
    return FixedFileVersion{2, 0, 0, 3};
  }
};

}  // namespace brevio
