// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <ostream>

#include "app/MainWindow.h"
#include "platform/PosixSignalEvents.h"

namespace brevio {

// The main window when there is none. Its commands come as signals, as a daemon's do:
// SIGHUP reloads the definitions, SIGTERM and SIGINT exit through the normal unload, SIGUSR1
// turns scanning for QDOS over, SIGUSR2 asks for the station's summary. The scan check mark is
// reported on `out`.
class HeadlessWindow : public MainWindow {
 public:
  explicit HeadlessWindow(std::ostream& out) : scanMark_(out) {}

  void SetCaption(const std::string&) override {}
  void CentreAndShow() override {}
  CheckMark& ScanForQdosMark() override { return scanMark_; }
  void ConnectCommands(Server& server) override;
  void DisconnectCommands() override { server_ = nullptr; }
  void Release() override {}

  // What SIGUSR2 runs.
  void OnSummaryAsked(std::function<void()> handler) { summaryAsked_ = std::move(handler); }

 private:
  class StreamCheckMark : public CheckMark {
   public:
    explicit StreamCheckMark(std::ostream& out) : out_(out) {}
    void SetChecked(bool checked) override;

   private:
    std::ostream& out_;
  };

  StreamCheckMark scanMark_;
  std::unique_ptr<PosixSignalEvents> signals_;
  std::function<void()> summaryAsked_;
  // Null once the server has gone; the signals stay caught, so they end nothing then.
  Server* server_ = nullptr;
};

}  // namespace brevio
