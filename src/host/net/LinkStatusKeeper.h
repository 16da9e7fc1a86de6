// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/net/LinkObserver.h"

namespace brevio {

// A link's status and the observer told of each change to it.
class LinkStatusKeeper {
 public:
  explicit LinkStatusKeeper(std::string address) { status_.address = std::move(address); }

  // Tells `observer` the status at once and each change after; it replaces any observer before.
  void Observe(LinkObserver& observer);
  void Set(LinkState state, std::string reason = {},
           std::chrono::system_clock::time_point nextTry = {});

 private:
  LinkStatus status_;
  LinkObserver* observer_ = nullptr;
};

}  // namespace brevio
