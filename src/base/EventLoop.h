// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// The program's event processing: window, timer and host events run only inside it.
class EventLoop {
 public:
  virtual ~EventLoop() = default;

  // Lets every pending event run, then returns.
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace brevio
