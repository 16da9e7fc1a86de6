// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Shutdown.h"
#include "host/HostEvents.h"
#include "query/MonitoredTraffic.h"
#include "query/RemoteRequests.h"

namespace brevio {

// The main window's handlers of the host's events. It sits in app/ because the host contract
// gives the host's events to the main window, and UIView32IsClosing ends the program from here.
class HostEventRouter : public HostEvents {
 public:
  HostEventRouter(RemoteRequests& remote, MonitoredTraffic& traffic, Shutdown& shutdown)
      : remote_(remote), traffic_(traffic), shutdown_(shutdown) {}

  void DataAvailable() override { traffic_.DataAvailable(); }

  void NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) override {
    remote_.NotifyBeacon(strCallsign, sngLat, sngLong);
  }

  void NotifyRemotecommand(std::string& strCallsign, std::string& strEffectiveDigiPath,
                           std::string& srReturnDigiPath, std::int16_t& intPort,
                           std::string& strMessType, std::string& strText,
                           bool& blnDoneIt) override {
    remote_.NotifyRemotecommand(strCallsign, strEffectiveDigiPath, srReturnDigiPath, intPort,
                                strMessType, strText, blnDoneIt);
  }

  void UIView32IsClosing() override { shutdown_.UIView32IsClosing(); }

 private:
  RemoteRequests& remote_;
  MonitoredTraffic& traffic_;
  Shutdown& shutdown_;
};

}  // namespace brevio
