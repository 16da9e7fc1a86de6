// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <vector>

#include "app/MainWindow.h"
#include "app/frmMain.h"

namespace brevio {

// The check mark of a menu item.
class ActionCheckMark : public CheckMark {
 public:
  explicit ActionCheckMark(QAction& action) : action_(action) {}
  void SetChecked(bool checked) override;

 private:
  QAction& action_;
};

// The server's view of frmMain: each menu item calls one server operation.
class WidgetMainWindow : public MainWindow {
 public:
  explicit WidgetMainWindow(frmMain& window)
      : window_(window), scanMark_(*window.mnuOptionsScan()) {}

  void SetCaption(const std::string& caption) override;
  void CentreAndShow() override;
  CheckMark& ScanForQdosMark() override { return scanMark_; }
  void ConnectCommands(Server& server) override;
  void DisconnectCommands() override;
  void Release() override;

 private:
  template <typename Command>
  void Connect(QAction* item, Command command);

  frmMain& window_;
  ActionCheckMark scanMark_;
  std::vector<QMetaObject::Connection> commands_;
};

}  // namespace brevio
