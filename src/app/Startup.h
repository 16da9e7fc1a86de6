// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "app/CoreServices.h"
#include "app/Server.h"
#include "base/HostVersionSource.h"
#include "base/IniReader.h"
#include "base/SingleInstance.h"
#include "base/StationLock.h"

namespace brevio {

// What start-up asks of the platform and of the host's installation.
struct StartupPorts {
  SingleInstance& instance;
  HostVersionSource& hostVersion;
  IniReader& ini;
  StationLock& stationLock;
  // Handed on to the server once start-up has connected to the host.
  ServingPorts serving;
};

// The load of the main window: one fixed sequence that refuses a second instance and a host of
// an unsupported version, connects to the host, reads and checks the station's settings, loads
// the definition files and then runs the program's events until it ends. A refusal is a
// critical message, which ends the program where it is shown.
class Startup {
 public:
  Startup(const CoreServices& services, const StartupPorts& ports)
      : services_(services), ports_(ports) {}
  ~Startup();

  // Returns when the definition watch, the program's main loop, has ended.
  void Run();

  // The serving pieces; null until start-up has connected to the host.
  Server* server() { return server_.get(); }

 private:
  void ComputeProgramTexts();
  void RefuseSecondInstance();
  void CheckHostVersion();
  void ConnectHost();
  void ClaimStation();

  CoreServices services_;
  StartupPorts ports_;
  std::unique_ptr<Server> server_;
};

}  // namespace brevio
