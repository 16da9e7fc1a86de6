// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "definitions/MapObjects.h"
#include "definitions/TopicTable.h"
#include "query/CheckMark.h"
#include "query/MonitoredTraffic.h"
#include "query/RemoteRequests.h"
#include "query/ReplyContext.h"
#include "query/RequestGate.h"
#include "query/TopicDispatch.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"

namespace brevio::test {

class RecordingCheckMark : public CheckMark {
 public:
  bool checked = false;
  void SetChecked(bool on) override { checked = on; }
};

// The query service over a fake host, for a station N0CALL-9 on port 1 that has been up for ten
// minutes, scanning monitored traffic.
struct QueryHarness : CoreHarness {
  QueryHarness() {
    clock.tick = 10 * 60 * 1000;
    info.HostVersionText = "2.03";
    info.ProgramVersionText = "BRV V9.8.7 by the Brevio team";
    gate.InitRecentRequests();
    traffic.SetScanForQdos(true);
  }

  // Adds an operator topic to the table.
  void AddTopic(const std::string& name, const std::string& answer) {
    ++topics.TopicCount;
    topics[topics.TopicCount].strTopic = name;
    topics[topics.TopicCount].strResponse = answer;
  }

  // Raises DataAvailable with `text` as the monitored traffic.
  void Hear(const std::string& text) {
    host.receivedData = text;
    traffic.DataAvailable();
  }

  FakeHost host;
  std::unique_ptr<HostLink> mUIV = host.Connector().Connect();
  StationConfig station{"N0CALL-9", 52.5, 4.25, 1};
  TopicTable topics;
  ReplyContext reply;
  ManualTimer timer1;
  RecordingCheckMark scanItem;
  RequestGate gate{clock, timer1, log};
  MapObjects objects{topics, station, host.Connector(), log, clock};
  TopicDispatch dispatch{topics, reply, info, *mUIV, objects, log, clock};
  RemoteRequests remote{gate, dispatch, reply, clock, log};
  MonitoredTraffic traffic{*mUIV, gate, dispatch, objects, reply, station, log, scanItem};
};

}  // namespace brevio::test
