#pragma once

#include "app/Clock.h"

namespace brevio {

// The steady clock and the system locale's short date and long time forms.
class SystemClock : public Clock {
 public:
  std::int32_t TickCount() override;
  std::string ShortDate() override;
  std::string LongTime() override;
};

}  // namespace brevio
