#include "StationHarness.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brevio::test {

void RecordingEvents::DataAvailable() {
  events.push_back("DataAvailable");
  if (link != nullptr) receivedData.push_back(link->ReceivedData());
  if (onDataAvailable) onDataAvailable();
}

void RecordingEvents::NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) {
  std::ostringstream line;
  line << "NotifyBeacon(" << strCallsign << "|" << sngLat << "|" << sngLong << ")";
  events.push_back(line.str());
}

void RecordingEvents::NotifyRemotecommand(std::string& strCallsign,
                                          std::string& strEffectiveDigiPath,
                                          std::string& srReturnDigiPath, std::int16_t& intPort,
                                          std::string& strMessType, std::string& strText,
                                          bool& blnDoneIt) {
  events.push_back("NotifyRemotecommand(" + strCallsign + "|" + strEffectiveDigiPath + "|" +
                   srReturnDigiPath + "|" + std::to_string(intPort) + "|" + strMessType + "|" +
                   strText + "|" + (blnDoneIt ? "true" : "false") + ")");
}

StationHarness::StationHarness(std::optional<std::string> remoteCommands) {
  ini.values = {{"STATION/CALLSIGN", "n0call-10"}, {"MESSAGES/DEFAULT_PORT", "3"}};
  if (remoteCommands) ini.values["MESSAGES/REMOTE_COMMANDS"] = *remoteCommands;
  link = station.Connect();
  link->ConnectEvents(&events);
  events.link = link.get();
}

void StationHarness::Hear(const std::string& line) {
  const auto frame = ParseTnc2Line(line, CallSignRule::AprsIs);
  ASSERT_TRUE(frame) << line;
  station.FrameReceived(*frame, std::nullopt);
}

}  // namespace brevio::test
