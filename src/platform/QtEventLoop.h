// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/EventLoop.h"

namespace brevio {

// The Qt application's event loop.
class QtEventLoop : public EventLoop {
 public:
  void ProcessPendingEvents() override;
};

}  // namespace brevio
