// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/LinkStatusKeeper.h"

namespace brevio {

void LinkStatusKeeper::Observe(LinkObserver& observer) {
  observer_ = &observer;
  observer_->LinkChanged(status_);
}

void LinkStatusKeeper::Set(LinkState state, std::string reason,
                           std::chrono::system_clock::time_point nextTry) {
  LinkStatus status{status_.address, state, std::move(reason), nextTry};
  if (status == status_) return;
  status_ = std::move(status);
  if (observer_) observer_->LinkChanged(status_);
}

}  // namespace brevio
