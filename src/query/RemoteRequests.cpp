#include "query/RemoteRequests.h"

#include <cstdio>

#include "query/DigiPath.h"
#include "query/QueryLines.h"

namespace brevio {

namespace {

// The shortest text of a single-precision value, as the system writes it (seven significant
// digits at most).
std::string SingleText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return text;
}

}  // namespace

void RemoteRequests::NotifyRemotecommand(std::string& strCallsign,
                                         std::string& strEffectiveDigiPath,
                                         std::string& srReturnDigiPath, std::int16_t& intPort,
                                         std::string& strMessType, std::string& strText,
                                         bool& blnDoneIt) {
  if (gate_.ThrottledDown()) {
    log_.LogStatus(kThrottledLine);
    return;
  }
  blnDoneIt = false;
  reply_.requesterCall = strCallsign;
  log_.LogStatus(kBeginQueryLine);
  log_.LogStatus(" from [" + reply_.requesterCall + "]");
  log_.LogStatus(" message = [" + strText + "]");
  log_.LogStatus(" digipath = " + strEffectiveDigiPath);

  const Hops hops = CountHops(strEffectiveDigiPath);
  reply_.replyPath = hops.replyPath;
  log_.LogStatus(" reversed digipath = " + reply_.replyPath);
  if (hops.count > kMaxHops) {
    log_.LogStatus(HopsRefusedLine(hops.count));
    log_.LogStatus(kEndQueryLine);
    return;
  }

  reply_.replyPath = srReturnDigiPath;
  reply_.replyPort = intPort;
  reply_.messageType = strMessType;
  // Remote requests carry no message number: the tick count stands in for it.
  const std::string messageId = std::to_string(clock_.TickCount());
  if (gate_.AdmitRequest(reply_.requesterCall, strCallsign, messageId)) {
    log_.LogStatus(" honored");
    if (dispatch_.DispatchTopic(strText)) blnDoneIt = true;
  } else {
    log_.LogStatus("Ignored (double)");
  }
  log_.LogStatus(kEndQueryLine);
}

void RemoteRequests::NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) {
  log_.LogStatus("NotifyBeacon(" + strCallsign + ", " + SingleText(sngLat) + ", " +
                 SingleText(sngLong) + ")\r\n");
}

}  // namespace brevio
