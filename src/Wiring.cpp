#include "Wiring.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <optional>

#include "app/CoreServices.h"
#include "app/HostFolder.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "app/StatusLog.h"
#include "host/net/StdioTransport.h"
#include "host/station/Station.h"
#include "host/station/StationHostVersion.h"
#include "platform/DiskLogFile.h"
#include "platform/IniFileReader.h"
#include "platform/InotifyFolderWatch.h"
#include "platform/LocalSingleInstance.h"
#include "platform/PeVersionReader.h"
#include "platform/ProcessExit.h"
#include "platform/ProgramLocation.h"
#include "platform/QtEventLoop.h"
#include "platform/QtTimer.h"
#include "platform/SystemClock.h"
#include "platform/SystemUtcClock.h"
#include "platform/UserHostFolderSetting.h"
#include "query/RequestGate.h"
#include "setup/XtrFile.h"

namespace brevio {

namespace {

// No host adapter is built into this program yet, so there is no host to connect to.
class NoHostConnector : public HostConnector {
 public:
  std::unique_ptr<HostLink> Connect() override {
    throw HostCallFailed("no host link is built into this program");
  }
};

// The station host on the stdio link. The end of standard input closes the host, which ends the
// program through its orderly unload.
struct StdioStation {
  StdioStation(IniReader& ini, HostFolder& hostFolder, Clock& clock)
      : station({ini, hostFolder, transport, clock, utc, timer}) {
    timer.OnTick([this] { station.Poll(); });
    transport.Start(station, [this] { station.HostClosing(); });
  }

  StdioTransport transport{STDIN_FILENO, stdout};
  SystemUtcClock utc;
  QtTimer timer;
  Station station;
  StationHostVersion version;
};

// The host the server runs beside: how to connect to it, and where its version comes from.
struct HostSide {
  HostConnector& connector;
  HostVersionSource& version;
};

}  // namespace

int RunServer(const CommandLine& line, const ModeParts& mode) {
  // The application title the platform knows the program by.
  QCoreApplication::setApplicationName("BRV");
  ProgramInfo info;
  LocateProgram(info, line.programFolder);
  if (mode.connectHelp) mode.connectHelp(info);

  SystemClock clock;
  DiskLogFile logFile;
  ProcessExit end;
  Messages messages(mode.dialog, end, info);
  StatusLog log(mode.txtStatus, mode.txtAPRS, clock, logFile, messages);
  UserHostFolderSetting hostFolderSetting(line.hostFolder);
  HostFolder hostFolder(hostFolderSetting, messages);
  if (line.createXtr) {
    XtrFile(hostFolder, messages, info).MenuCommand();
    return 0;
  }

  IniFileReader ini;
  NoHostConnector noHost;
  PeVersionReader exeVersion;
  std::optional<StdioStation> stdioStation;
  if (line.tnc == "stdio") stdioStation.emplace(ini, hostFolder, clock);
  const HostSide host = stdioStation ? HostSide{stdioStation->station, stdioStation->version}
                                     : HostSide{noHost, exeVersion};

  QtTimer timer1;
  RequestGate gate(clock, timer1, log);
  timer1.OnTick([&gate] { gate.Timer1Tick(); });

  LocalSingleInstance instance(QDir::tempPath());
  instance.OnActivate(mode.activate);
  QtEventLoop loop;
  InotifyFolderWatch folderWatch;
  Startup startup({info, log, messages, clock, hostFolder, host.connector},
                  {instance, host.version, ini, mode.window, loop, folderWatch}, gate);
  startup.Run();
  // Another window of the program (the about window) keeps it running until it is closed,
  // unless the host asked the program to end.
  if (mode.runWhileWindowsOpen && !startup.server()->shutdown.EndAtOnce()) {
    mode.runWhileWindowsOpen();
  }
  return 0;
}

}  // namespace brevio
