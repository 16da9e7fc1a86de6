// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "query/CheckMark.h"

namespace brevio {

struct Server;

// The main window as the server sees it. Headless there is no window: its steps change
// nothing, and its commands arrive as signals instead of menu items.
class MainWindow {
 public:
  virtual ~MainWindow() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void CentreAndShow() = 0;

  // The check mark of the menu item "Scan for QDOS".
  virtual CheckMark& ScanForQdosMark() = 0;

  // Connects the window's commands (menu items, closing the window) to the server's operations.
  virtual void ConnectCommands(Server& server) = 0;
  // The server is going: its commands no longer reach it.
  virtual void DisconnectCommands() = 0;

  // The last step of the unload: the window goes away.
  virtual void Release() = 0;
};

}  // namespace brevio
