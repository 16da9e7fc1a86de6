// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <iostream>
#include <string_view>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Clock.h"
#include "base/HostFolder.h"
#include "base/Messages.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "base/TextBox.h"
#include "host/aprs/Tnc2LineReader.h"
#include "host/station/Station.h"
#include "host/station/StationHostVersion.h"
#include "host/station/Transport.h"
#include "platform/AbstractStationLock.h"
#include "platform/DiskLogFile.h"
#include "platform/IniFileReader.h"
#include "platform/InotifyFolderWatch.h"
#include "platform/LocalSingleInstance.h"
#include "platform/ProcessExit.h"
#include "platform/QtEventLoop.h"
#include "platform/QtTimer.h"
#include "platform/StreamMessageDialog.h"
#include "platform/SystemClock.h"
#include "platform/SystemUtcClock.h"
#include "platform/SystemdServiceManager.h"
#include "platform/UserHostFolderSetting.h"
#include "query/RequestGate.h"

namespace brevio::bench {

// The boxes and the window the program runs with: the main window's or the headless ones.
struct RigMode {
  TextBox& txtStatus;
  TextBox& txtAPRS;
  MainWindow& window;
};

// The program as src/Wiring.cpp builds it, for the demo station in examples/station, with its
// log file and instance lock in a temporary folder of its own, on `transport`. Run goes through
// start-up into the definition watch, the program's main loop, as the program does.
class ServerRig {
 public:
  // `gateClock`, when given, times the request gate in place of the system clock.
  ServerRig(const RigMode& mode, Transport& transport, Clock* gateClock = nullptr);

  // Runs start-up and the main loop; `serving` runs in the loop's first wait. Returns when the
  // program has ended (see Close).
  void Run(std::function<void()> serving);

  // The host closes, which ends the program through its orderly unload.
  void Close() { station_.HostClosing(); }

  Station& station() { return station_; }

  // Bytes of TNC2 lines, as a transport reads them, to the station; the events they raise run
  // to their end here, the window's painting waits for the loop.
  void Feed(std::string_view bytes) {
    for (const Tnc2Frame& frame : reader_.Feed(bytes)) station_.FrameReceived(frame, std::nullopt);
  }

 private:
  // The folder watch, which runs what is to be served in its first wait: from then on the
  // program's main loop is running.
  class ServingWatch : public FolderWatch {
   public:
    bool Create(const std::string& folder) override { return watch_.Create(folder); }
    bool Wait(std::int32_t ms) override;
    void Rearm() override { watch_.Rearm(); }
    void Close() override { watch_.Close(); }

    std::function<void()> serving;

   private:
    InotifyFolderWatch watch_;
  };

  QTemporaryDir tmp_;
  RigMode mode_;
  ProgramInfo info_;
  SystemClock clock_;
  DiskLogFile logFile_;
  StreamMessageDialog dialog_{std::cerr};
  ProcessExit end_;
  Messages messages_{dialog_, end_, info_};
  StatusLog log_;
  // Started by hand, the rig has no service manager to tell.
  SystemdServiceManager service_{log_};
  UserHostFolderSetting hostFolderSetting_;
  HostFolder hostFolder_{hostFolderSetting_, messages_};
  IniFileReader ini_;
  SystemUtcClock utc_;
  QtTimer stationTimer_;
  Station station_;
  StationHostVersion version_;
  QtTimer timer1_;
  RequestGate gate_;
  LocalSingleInstance instance_;
  AbstractStationLock stationLock_;
  QtEventLoop loop_;
  ServingWatch folderWatch_;
  Tnc2LineReader reader_;
};

}  // namespace brevio::bench
