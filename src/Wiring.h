// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/StationSummary.h"
#include "base/MessageDialog.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "base/TextBox.h"

namespace brevio {

// What differs between the window and headless modes.
struct ModeParts {
  MessageDialog& dialog;
  TextBox& txtStatus;
  TextBox& txtAPRS;
  MainWindow& window;
  // Brings the window forward when a second instance asks for it; empty when headless.
  std::function<void()> activate;
  // Connects the window's Help menu to the program's texts; empty when headless.
  std::function<void(const ProgramInfo&)> connectHelp;
  // Runs events while other windows of the program are still open; empty when headless.
  std::function<void()> runWhileWindowsOpen;
  // The host folder `folder` holds no uiview32.ini: with the window, offers to set up a station
  // there and returns the folder it was written to, if any; headless, says how to.
  std::function<std::optional<std::string>(const std::string& folder)> noStation;
  // Shows the station's summary: the window's status bar, or the headless summary line written
  // to the status log.
  std::function<void(StationSummary&, StatusLog&)> showSummary;
};

// Builds the server's pieces over the mode's parts and runs start-up; returns the exit status
// once the program has ended normally. Needs the Qt application object.
int RunServer(const CommandLine& line, const ModeParts& mode);

}  // namespace brevio
