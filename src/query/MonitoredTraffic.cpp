#include "query/MonitoredTraffic.h"

#include "base/HostFailure.h"
#include "query/DigiPath.h"
#include "query/QueryLines.h"

namespace brevio {

void MonitoredTraffic::SetScanForQdos(bool scan) {
  scanForQdos_ = scan;
  mnuOptionsScan_.SetChecked(scan);
}

void MonitoredTraffic::DataAvailable() {
  if (!scanForQdos_) return;
  if (gate_.ThrottledDown()) {
    log_.LogStatus(kThrottledLine);
    return;
  }
  std::string text;
  try {
    log_.LogStatus(log_.txtAPRS(), host_.ReceivedData());
    text = host_.ReceivedData();
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
    return;
  }

  const MonitoredText parsed = ParseMonitoredText(text);
  const bool query = parsed.isMessage && IsQueryDestination(parsed.addressee);
  if (query) {
    log_.LogStatus("QDOS or QUERY seen in APRS destination (" + parsed.addressee + ").");
  }
  // A query without a number cannot be told from a repeat, and one without a sender cannot
  // be answered.
  if (!query || !parsed.messageNumber || !parsed.sender) return;
  Answer(parsed);
}

void MonitoredTraffic::Answer(const MonitoredText& query) {
  const std::string& sender = *query.sender;
  const Hops hops = CountHops(query.viaPath);
  log_.LogStatus("1=[" + query.headerLine + "]");
  log_.LogStatus("2=[" + query.infoLine + "]");
  reply_.requesterCall = sender;
  reply_.replyPath = hops.replyPath;

  log_.LogStatus(kBeginQueryLine);
  log_.LogStatus(" from [" + sender + "]");
  log_.LogStatus(" message = [" + query.messageText + "]");
  log_.LogStatus(" digipath = " + query.viaPath);
  log_.LogStatus(" reversed digipath = " + hops.replyPath);
  if (hops.count > kMaxHops) {
    log_.LogStatus(HopsRefusedLine(hops.count));
    log_.LogStatus(kEndQueryLine);
    return;
  }
  if (!gate_.AdmitRequest(sender, query.addressee, *query.messageNumber)) {
    log_.LogStatus(" ignored (double)");
    return;
  }
  log_.LogStatus(" honored");
  reply_.messageType = "A";
  reply_.replyPort = station_.DefaultPort;

  std::string topic = "?" + query.messageText;
  if (dispatch_.DispatchTopic(topic)) return;
  log_.LogStatus("Create BRV server object ");
  objects_.CreateServerObject();
  SendServerAdvert(sender);
}

void MonitoredTraffic::SendServerAdvert(const std::string& call) {
  const std::string text = "Send ?? to " + station_.StationCall;
  try {
    host_.SendAPRSMessage(call, "WIDE2-2", 1, "A", text);
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
    return;
  }
  log_.LogStatus("Send msg : " + text + " (len=" + std::to_string(text.size()) +
                 ", digipath = WIDE2-2)");
}

}  // namespace brevio
