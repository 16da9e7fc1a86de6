// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/StationConfig.h"
#include "base/StatusLog.h"
#include "definitions/MapObjects.h"
#include "host/HostLink.h"
#include "query/CheckMark.h"
#include "query/MonitoredText.h"
#include "query/ReplyContext.h"
#include "query/RequestGate.h"
#include "query/TopicDispatch.h"

namespace brevio {

// Everything the host monitors on the radio: echoed to the APRS data box, and APRS messages to
// "QDOS " or "QUERY" answered as topic requests.
class MonitoredTraffic {
 public:
  MonitoredTraffic(HostLink& host, RequestGate& gate, TopicDispatch& dispatch, MapObjects& objects,
                   ReplyContext& reply, const StationConfig& station, StatusLog& log,
                   CheckMark& mnuOptionsScan)
      : host_(host),
        gate_(gate),
        dispatch_(dispatch),
        objects_(objects),
        reply_(reply),
        station_(station),
        log_(log),
        mnuOptionsScan_(mnuOptionsScan) {}

  // The handler of the host's DataAvailable event.
  void DataAvailable();

  // Sets ScanForQdos and its menu item's check mark.
  void SetScanForQdos(bool scan);
  // The "Scan for QDOS" menu command: turns scanning over.
  void ToggleScanForQdos() { SetScanForQdos(!scanForQdos_); }

  // Tells `call` where to send "??".
  void SendServerAdvert(const std::string& call);

 private:
  void Answer(const MonitoredText& query);

  bool scanForQdos_ = false;

  HostLink& host_;
  RequestGate& gate_;
  TopicDispatch& dispatch_;
  MapObjects& objects_;
  ReplyContext& reply_;
  const StationConfig& station_;
  StatusLog& log_;
  CheckMark& mnuOptionsScan_;
};

}  // namespace brevio
