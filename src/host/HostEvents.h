// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// The events the host raises, handled by the main window. Parameters are by reference, as the
// host passes them; the server writes back only blnDoneIt and (upper-cased) strText.
class HostEvents {
 public:
  virtual ~HostEvents() = default;

  virtual void DataAvailable() = 0;

  virtual void NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) = 0;

  virtual void NotifyRemotecommand(std::string& strCallsign, std::string& strEffectiveDigiPath,
                                   std::string& srReturnDigiPath, std::int16_t& intPort,
                                   std::string& strMessType, std::string& strText,
                                   bool& blnDoneIt) = 0;

  virtual void UIView32IsClosing() = 0;
};

}  // namespace brevio
