// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/MonitoredTraffic.h"

#include "base/HostFailure.h"
#include "query/DigiPath.h"
#include "query/QueryBlock.h"

namespace brevio {

void MonitoredTraffic::SetScanForQdos(bool scan) {
  scanForQdos_ = scan;
  mnuOptionsScan_.SetChecked(scan);
}

void MonitoredTraffic::DataAvailable() {
  if (!scanForQdos_) return;
  if (DroppedWhileThrottled(gate_, log_)) return;
  std::string text;
  try {
    // Read twice, to echo and to parse: the host contract gives both reads the same text.
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

  if (!OpenQueryBlock(log_, sender, query.messageText, query.viaPath, hops)) return;
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
