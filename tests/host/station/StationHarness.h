#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/HostFolder.h"
#include "host/aprs/Tnc2Line.h"
#include "host/station/Station.h"
#include "support/CoreHarness.h"
#include "support/FixedFolderSetting.h"
#include "support/ManualTimer.h"
#include "support/TempFolder.h"

namespace brevio::test {

// Every frame sent, as a TNC2 line with its port: "1 N0CALL-10>APZBRV,...:info".
class FakeTransport : public Transport {
 public:
  std::vector<std::string> sent;
  void Transmit(const Tnc2Frame& frame, std::int16_t port) override {
    sent.push_back(std::to_string(port) + " " + FormatTnc2Line(frame));
  }
};

class MemoryIni : public IniReader {
 public:
  std::map<std::string, std::string> values;  // "SECTION/KEY" -> value
  std::string path;                           // the file last read
  std::string ReadIniValue(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
    path = file;
    const auto found = values.find(section + "/" + key);
    return found == values.end() ? defaultValue : found->second;
  }
};

class ManualUtcClock : public UtcClock {
 public:
  std::chrono::system_clock::time_point now =
      std::chrono::sys_days{std::chrono::December / 6 / 2026} + std::chrono::minutes(7 * 60 + 22);
  std::chrono::system_clock::time_point UtcNow() override { return now; }
};

// Each event as a line, such as "NotifyBeacon(N0CALL|52.5|4.25)".
class RecordingEvents : public HostEvents {
 public:
  std::vector<std::string> events;
  std::vector<std::string> receivedData;  // ReceivedData read in each DataAvailable
  HostLink* link = nullptr;               // where ReceivedData is read
  std::function<void()> onDataAvailable;

  void DataAvailable() override {
    events.push_back("DataAvailable");
    if (link != nullptr) receivedData.push_back(link->ReceivedData());
    if (onDataAvailable) onDataAvailable();
  }
  void NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) override {
    std::ostringstream line;
    line << "NotifyBeacon(" << strCallsign << "|" << sngLat << "|" << sngLong << ")";
    events.push_back(line.str());
  }
  void NotifyRemotecommand(std::string& strCallsign, std::string& strEffectiveDigiPath,
                           std::string& srReturnDigiPath, std::int16_t& intPort,
                           std::string& strMessType, std::string& strText,
                           bool& blnDoneIt) override {
    events.push_back("NotifyRemotecommand(" + strCallsign + "|" + strEffectiveDigiPath + "|" +
                     srReturnDigiPath + "|" + std::to_string(intPort) + "|" + strMessType + "|" +
                     strText + "|" + (blnDoneIt ? "true" : "false") + ")");
  }
  void UIView32IsClosing() override {}
  long Raised() const {
    return std::count_if(events.begin(), events.end(), [](const std::string& event) {
      return event.starts_with("NotifyRemote");
    });
  }
};

// A station N0CALL-10 with DEFAULT_PORT 3 and the REMOTE_COMMANDS given (none: the key is
// missing), its main connection's events recorded.
struct StationHarness {
  explicit StationHarness(std::optional<std::string> remoteCommands = "2") {
    ini.values = {{"STATION/CALLSIGN", "n0call-10"}, {"MESSAGES/DEFAULT_PORT", "3"}};
    if (remoteCommands) ini.values["MESSAGES/REMOTE_COMMANDS"] = *remoteCommands;
    folder.Write("brevio-message-number.txt", "0\n");  // a new station: its first message is 1
    link = station.Connect();
    link->ConnectEvents(&events);
    events.link = link.get();
  }

  // Feeds one TNC2 line as heard on the default port.
  void Hear(const std::string& line) {
    const auto frame = ParseTnc2Line(line, CallSignRule::AprsIs);
    ASSERT_TRUE(frame) << line;
    station.FrameReceived(*frame, std::nullopt);
  }

  CoreHarness core;
  MemoryIni ini;
  TempFolder folder;
  FixedFolderSetting folderSetting{folder.Path()};
  HostFolder hostFolder{folderSetting, core.messages};
  FakeTransport transport;
  ManualUtcClock utc;
  ManualTimer timer;
  std::vector<std::string> logged;  // the station's status lines
  Station station{{ini, hostFolder, transport, core.clock, utc, timer,
                   [this](const std::string& line) { logged.push_back(line); }}};
  RecordingEvents events;
  std::unique_ptr<HostLink> link;
};

}  // namespace brevio::test
