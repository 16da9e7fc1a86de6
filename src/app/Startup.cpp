// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/HostVersion.h"
#include "app/StationSettings.h"
#include "base/HostFailure.h"
#include "base/PathText.h"

namespace brevio {

namespace {
constexpr const char* kDuplicateTitle = "... duplicate instance.";
}  // namespace

Startup::~Startup() {
  if (server_) ports_.serving.window.DisconnectCommands();
}

void Startup::Run() {
  ports_.serving.gate.InitRecentRequests();
  ComputeProgramTexts();
  RefuseSecondInstance();
  CheckHostVersion();
  ProgramInfo& info = services_.info;
  info.StartTimeText = services_.clock.ShortDate() + " " + services_.clock.LongTime();
  ports_.serving.window.SetCaption(info.ProgramTitle);
  ports_.serving.window.CentreAndShow();
  services_.log.LogStatus("start of " + info.ProgramTitle);

  ConnectHost();
  const std::string iniPath = JoinPath(services_.hostFolder.GetHostFolder(), "uiview32.ini");
  server_->traffic.SetScanForQdos(true);
  StationSettings(ports_.ini, services_.log, services_.messages)
      .ReadStationSettings(iniPath, server_->station);
  ClaimStation();
  server_->topicDefinitions.LoadTopicDefinitions();
  server_->objectDefinitions.LoadObjectDefinitions();

  ports_.serving.window.CentreAndShow();
  ports_.serving.loop.ProcessPendingEvents();
  ports_.serving.service.NotifyReady();
  server_->watch.StartDefinitionWatch();
}

void Startup::ComputeProgramTexts() {
  SetProgramTexts(services_.info);
}

void Startup::RefuseSecondInstance() {
  SingleInstance& instance = ports_.instance;
  if (!instance.OtherInstanceRunning()) return;
  const std::string runningTitle = instance.ApplicationTitle();
  instance.SetApplicationTitle(kDuplicateTitle);
  ports_.serving.window.SetCaption(kDuplicateTitle);
  instance.ActivateInstance(runningTitle);
  services_.messages.ShowCritical("Another instance of this program is already running");
}

void Startup::CheckHostVersion() {
  ProgramInfo& info = services_.info;
  info.HostVersionText = GetHostExeVersion(
      ports_.hostVersion, JoinPath(services_.hostFolder.GetHostFolder(), "uiview32.exe"));
  if (IsSupportedHostVersion(info.HostVersionText)) return;
  if (info.HostVersionText == kNoHostExeVersion) {
    services_.messages.ShowCritical(
        "Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory");
  }
  services_.messages.ShowCritical("Your current version of uiview32 (" + info.HostVersionText +
                                  ") is invalid for this add-on, minimum version " +
                                  std::string(kMinimumHostVersion) + ", maximum version " +
                                  std::string(kMaximumHostVersion) + " is required");
}

// Beside the single instance of this user: two processes for one call, of any users, would
// each ack and answer every query.
void Startup::ClaimStation() {
  const std::string& call = server_->station.StationCall;
  if (const std::optional<std::string> holder = ports_.stationLock.ClaimStation(call)) {
    services_.messages.ShowCritical("Another brevio already serves " + call + " on this machine (" +
                                    *holder +
                                    "): stop it first, or give this station a call of its own");
  }
}

// Without the host there is nothing to serve and no way to serve it, so an unreachable host
// ends the program like any other setting it cannot run with; the reason is logged first.
void Startup::ConnectHost() {
  try {
    server_ = std::make_unique<Server>(services_.host.Connect(), services_, ports_.serving);
  } catch (const HostCallFailed& failure) {
    LogHostFailure(services_.log, failure);
    services_.messages.ShowCritical("Unable to connect to UIView32 (" +
                                    std::string(failure.what()) + ")");
  }
  ports_.serving.window.ConnectCommands(*server_);
}

}  // namespace brevio
