// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerRig.h"

#include <QDir>
#include <utility>

#include "platform/ProgramLocation.h"

namespace brevio::bench {

namespace {

// The temporary folder must be the program's before anything asks for it.
const QTemporaryDir& UseAsTempFolder(const QTemporaryDir& folder) {
  qputenv("TMPDIR", folder.path().toLocal8Bit());
  return folder;
}

}  // namespace

ServerRig::ServerRig(const RigMode& mode, Transport& transport, Clock* gateClock)
    : mode_(mode),
      log_(mode.txtStatus, mode.txtAPRS, clock_, logFile_, messages_),
      hostFolderSetting_(std::string(BREVIO_EXAMPLE_STATION)),
      station_({ini_, hostFolder_, transport, clock_, utc_, stationTimer_}),
      gate_(gateClock ? *gateClock : clock_, timer1_, log_),
      instance_(UseAsTempFolder(tmp_).path()) {
  LocateProgram(info_, std::string(BREVIO_EXAMPLE_STATION));
  stationTimer_.OnTick([this] { station_.Poll(); });
  timer1_.OnTick([this] { gate_.Timer1Tick(); });
}

bool ServerRig::ServingWatch::Wait(std::int32_t ms) {
  if (serving) std::exchange(serving, nullptr)();
  return watch_.Wait(ms);
}

void ServerRig::Run(std::function<void()> serving) {
  folderWatch_.serving = std::move(serving);
  Startup startup({info_, log_, messages_, clock_, hostFolder_, station_},
                  {.instance = instance_,
                   .hostVersion = version_,
                   .ini = ini_,
                   .stationLock = stationLock_,
                   .serving = {.gate = gate_,
                               .folderWatch = folderWatch_,
                               .loop = loop_,
                               .window = mode_.window,
                               .service = service_}});
  startup.Run();
}

}  // namespace brevio::bench
