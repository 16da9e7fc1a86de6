// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "base/Clock.h"
#include "base/StatusLog.h"
#include "query/ReplyContext.h"
#include "query/RequestGate.h"
#include "query/TopicDispatch.h"

namespace brevio {

// The server's end of the host's remote topic requests and beacons.
class RemoteRequests {
 public:
  RemoteRequests(RequestGate& gate, TopicDispatch& dispatch, ReplyContext& reply, Clock& clock,
                 StatusLog& log)
      : gate_(gate), dispatch_(dispatch), reply_(reply), clock_(clock), log_(log) {}

  void NotifyRemotecommand(std::string& strCallsign, std::string& strEffectiveDigiPath,
                           std::string& srReturnDigiPath, std::int16_t& intPort,
                           std::string& strMessType, std::string& strText, bool& blnDoneIt);

  void NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong);

 private:
  RequestGate& gate_;
  TopicDispatch& dispatch_;
  ReplyContext& reply_;
  Clock& clock_;
  StatusLog& log_;
};

}  // namespace brevio
