// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessWindow.h"

#include <csignal>

#include "app/Server.h"

namespace brevio {

void HeadlessWindow::StreamCheckMark::SetChecked(bool checked) {
  out_ << "Scan for QDOS: " << (checked ? "on" : "off") << std::endl;
}

void HeadlessWindow::ConnectCommands(Server& server) {
  server_ = &server;
  signals_ = std::make_unique<PosixSignalEvents>(
      std::initializer_list<int>{SIGHUP, SIGTERM, SIGINT, SIGUSR1, SIGUSR2}, [this](int number) {
        if (server_ == nullptr) return;
        switch (number) {
          case SIGHUP:
            server_->watch.ReloadDefinition();
            break;
          case SIGUSR1:
            server_->traffic.ToggleScanForQdos();
            break;
          case SIGUSR2:
            if (summaryAsked_) summaryAsked_();
            break;
          default:
            server_->shutdown.Unload();
            break;
        }
      });
}

}  // namespace brevio
