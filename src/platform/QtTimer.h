// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <functional>

#include "base/Timer.h"

namespace brevio {

// A Timer on the Qt event loop; each tick calls the handler given to OnTick.
class QtTimer : public Timer {
 public:
  QtTimer();

  void OnTick(std::function<void()> handler) { handler_ = std::move(handler); }
  void SetInterval(std::int32_t ms) override { timer_.setInterval(ms); }
  void SetEnabled(bool enabled) override;

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

}  // namespace brevio
