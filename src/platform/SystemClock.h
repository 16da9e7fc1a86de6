// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

#include "base/Clock.h"

namespace brevio {

// The steady clock and the system locale's short date and long time forms.
class SystemClock : public Clock {
 public:
  std::int32_t TickCount() override;
  std::string ShortDate() override;
  std::string LongTime() override;

 private:
  // The texts are formatted once a second: formatting costs more than the rest of a status line.
  void Refresh();

  std::time_t second_ = -1;
  std::string date_;
  std::string time_;
};

}  // namespace brevio
