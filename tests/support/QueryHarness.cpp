#include "support/QueryHarness.h"

namespace brevio::test {

QueryHarness::QueryHarness() {
  clock.tick = 10 * 60 * 1000;
  info.HostVersionText = "2.03";
  info.ProgramVersionText = "BRV V9.8.7 by the Brevio team";
  gate.InitRecentRequests();
  traffic.SetScanForQdos(true);
}

void QueryHarness::AddTopic(const std::string& name, const std::string& answer) {
  ++topics.TopicCount;
  topics[topics.TopicCount].strTopic = name;
  topics[topics.TopicCount].strResponse = answer;
}

void QueryHarness::Hear(const std::string& text) {
  host.receivedData = text;
  traffic.DataAvailable();
}

}  // namespace brevio::test
