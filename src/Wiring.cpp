// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wiring.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <chrono>
#include <optional>

#include "app/CoreServices.h"
#include "app/Startup.h"
#include "base/HostFolder.h"
#include "base/Messages.h"
#include "base/PathText.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "host/net/AprsIsTransport.h"
#include "host/net/KissTransport.h"
#include "host/net/SerialDevice.h"
#include "host/net/StdioTransport.h"
#include "host/net/TcpDevice.h"
#include "host/station/Station.h"
#include "host/station/StationHostVersion.h"
#include "platform/AbstractStationLock.h"
#include "platform/DiskLogFile.h"
#include "platform/IniFileReader.h"
#include "platform/InotifyFolderWatch.h"
#include "platform/LocalSingleInstance.h"
#include "platform/ProcessExit.h"
#include "platform/ProgramLocation.h"
#include "platform/QtEventLoop.h"
#include "platform/QtTimer.h"
#include "platform/SystemClock.h"
#include "platform/SystemUtcClock.h"
#include "platform/SystemdServiceManager.h"
#include "platform/UserHostFolderSetting.h"
#include "query/RequestGate.h"
#include "setup/XtrFile.h"

namespace brevio {

namespace {

// The station host on the link --tnc names. The end of standard input closes the host, which
// ends the program through its orderly unload; a TCP or serial link that is lost is tried again
// while the server keeps running. Its members are built in the order they are declared, and
// that order matters: `station_` is built over the transport, clock and timer declared above it
// (its initializer opens the transport), and is destroyed before them.
class LinkedStation {
 public:
  LinkedStation(const TncAddress& tnc, IniReader& ini, HostFolder& hostFolder, Clock& clock,
                StatusLog& log)
      : station_({ini, hostFolder, OpenTransport(tnc, log), clock, utc_, timer_,
                  [&log](const std::string& text) { log.LogStatus(text); }}) {
    timer_.OnTick([this] { station_.Poll(); });
  }

  // Starts moving frames, once the event loop runs.
  void Start() {
    if (stdio_) stdio_->Start(station_, [this] { station_.HostClosing(); });
    if (kiss_) kiss_->Start(station_);
    if (aprsIs_) aprsIs_->Start(station_);
    station_.StartBeacon();
  }

  // Tells `summary` how the link stands and what the station hears and sends.
  void Observe(StationSummary& summary) {
    if (stdio_) stdio_->Observe(summary);
    if (kiss_) kiss_->Observe(summary);
    if (aprsIs_) aprsIs_->Observe(summary);
    station_.Observe(summary);
  }

  Station& station() { return station_; }
  HostVersionSource& version() { return version_; }

 private:
  Transport& OpenTransport(const TncAddress& tnc, StatusLog& log) {
    const LinkLog logLine = [&log](const std::string& text) { log.LogStatus(text); };
    if (tnc.kind == TncAddress::Kind::Stdio) {
      return stdio_.emplace(STDIN_FILENO, STDOUT_FILENO, logLine);
    }
    if (tnc.kind == TncAddress::Kind::Kiss) {
      return kiss_.emplace(std::make_unique<TcpDevice>(tnc), logLine);
    }
    if (tnc.kind == TncAddress::Kind::Serial) {
      return kiss_.emplace(std::make_unique<SerialDevice>(tnc), logLine);
    }
    return aprsIs_.emplace(
        tnc.host, tnc.port, [this] { return station_.Config().call; }, ProgramVersionNumber(),
        logLine);
  }

  std::optional<StdioTransport> stdio_;
  std::optional<KissTransport> kiss_;
  std::optional<AprsIsTransport> aprsIs_;
  SystemUtcClock utc_;
  QtTimer timer_;
  Station station_;
  StationHostVersion version_;
};

}  // namespace

int RunServer(const CommandLine& line, const ModeParts& mode) {
  // The application title the platform knows the program by.
  QCoreApplication::setApplicationName("BRV");
  ProgramInfo info;
  LocateProgram(info, line.programFolder);
  // The messages of --create-xtr carry the program's title, as every other start's do.
  SetProgramTexts(info);
  if (mode.connectHelp) mode.connectHelp(info);

  SystemClock clock;
  DiskLogFile logFile;
  ProcessExit end;
  Messages messages(mode.dialog, end, info);
  StatusLog log(mode.txtStatus, mode.txtAPRS, clock, logFile, messages);
  UserHostFolderSetting hostFolderSetting(line.hostFolder);
  HostFolder hostFolder(hostFolderSetting, messages);
  const HostFolderSetting::Read stored = hostFolderSetting.ReadProgramFolder();
  if (mode.noStation && !line.createXtr && !stored.error &&
      !QFileInfo::exists(QString::fromStdString(JoinPath(stored.value, "uiview32.ini")))) {
    // A station set up now serves its topics from its own folder too.
    const std::optional<std::string> written = mode.noStation(stored.value);
    if (written && !line.programFolder) info.programFolder = *written;
  }
  if (line.createXtr) {
    XtrFile(hostFolder, messages, info).MenuCommand();
    return 0;
  }

  IniFileReader ini;
  // Before the summary, which tells it of every change until the link has closed.
  SystemdServiceManager service(log);
  // Before the link, which may still report as it closes.
  StationSummary summary;
  LinkedStation host(line.tnc, ini, hostFolder, clock, log);
  // The link's first lines follow those of start-up.
  QTimer::singleShot(0, [&] {
    if (!line.tncGiven) {
      log.LogStatus("No --tnc given: the station's TNC is " + FormatTncAddress(line.tnc) +
                    ", where Direwolf listens by default");
    }
    host.Start();
  });

  QtTimer timer1;
  RequestGate gate(clock, timer1, log);
  timer1.OnTick([&gate] { gate.Timer1Tick(); });

  host.Observe(summary);
  gate.OnThrottleChange([&summary](bool down) { summary.Throttled(down); });
  if (mode.showSummary) mode.showSummary(summary, log);
  summary.OnChange([&service, &summary] {
    service.NotifyStatus(summary.Text(std::chrono::system_clock::now()));
  });

  LocalSingleInstance instance(LocalSingleInstance::InstanceFolder());
  instance.OnActivate(mode.activate);
  QtEventLoop loop;
  InotifyFolderWatch folderWatch;
  AbstractStationLock stationLock;
  Startup startup({info, log, messages, clock, hostFolder, host.station()},
                  {.instance = instance,
                   .hostVersion = host.version(),
                   .ini = ini,
                   .stationLock = stationLock,
                   .serving = {.gate = gate,
                               .folderWatch = folderWatch,
                               .loop = loop,
                               .window = mode.window,
                               .service = service}});
  startup.Run();
  // Another window of the program (the about window) keeps it running until it is closed,
  // unless the host asked the program to end.
  if (mode.runWhileWindowsOpen && !startup.server()->shutdown.EndAtOnce()) {
    mode.runWhileWindowsOpen();
  }
  return 0;
}

}  // namespace brevio
