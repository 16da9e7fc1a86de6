// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"

#include <QCoreApplication>
#include <iostream>

#include "app/StationCheck.h"
#include "host/station/GreatCircle.h"
#include "platform/IniFileReader.h"
#include "platform/ProcessExit.h"
#include "platform/ProgramLocation.h"
#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"
#include "platform/SystemClock.h"
#include "platform/TerminalText.h"
#include "platform/UserHostFolderSetting.h"

namespace brevio {

namespace {

// A check is no run of the station: it leaves the station's log alone.
class NoLogFile : public LogFile {
 public:
  std::optional<std::string> TempFolder() override { return std::nullopt; }
  std::optional<LogFileFailure> Append(const std::string&, std::string_view) override {
    return std::nullopt;
  }
};

// The station host's measure of distance, and nothing sent or placed.
class MeasuringHost : public HostLink {
 public:
  void ConnectEvents(HostEvents*) override {}
  void DistanceBearing(double lat1, double long1, double lat2, double long2, double& distance,
                       double& bearing, bool) override {
    const GreatCircleCourse course = GreatCircle(lat1, long1, lat2, long2);
    distance = course.distanceKm;
    bearing = course.bearingDegrees;
  }
  std::string ReceivedData() override { return {}; }
  void GetObjectList(std::vector<std::string>& list) override { list.clear(); }
  void CreateObject(const HostMapObject&, std::int16_t& status) override { status = 1; }
  void DeleteObject(const std::string&, bool, std::int32_t& result) override { result = 1; }
  void SendAPRSMessage(const std::string&, const std::string&, std::int16_t, const std::string&,
                       std::string) override {}
};

}  // namespace

int RunCheck(int argc, char** argv, const CommandLine& line) {
  QCoreApplication app(argc, argv);
  ProgramInfo info;
  LocateProgram(info, line.programFolder);
  SetProgramTexts(info);
  StreamMessageDialog dialog(std::cout);
  dialog.FollowCriticalWith("brevio --check: a start would stop here");
  ProcessExit end;
  Messages messages(dialog, end, info);
  StreamTextBox txtStatus("txtStatus", &std::cout);
  StreamTextBox txtAPRS("txtAPRS", nullptr);
  SystemClock clock;
  NoLogFile logFile;
  StatusLog log(txtStatus, txtAPRS, clock, logFile, messages);
  UserHostFolderSetting setting(line.hostFolder);
  HostFolder hostFolder(setting, messages);
  IniFileReader ini;
  MeasuringHost host;
  int warnings = 0;
  StationCheck({info, log, messages, hostFolder, ini, host}, [&warnings](const std::string& text) {
    ++warnings;
    std::cout << TerminalText(text) << "\n";
  }).Run();
  std::cout << "brevio --check: a start would serve this station, with " << warnings
            << (warnings == 1 ? " warning" : " warnings") << "\n";
  return 0;
}

}  // namespace brevio
