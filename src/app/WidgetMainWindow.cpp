// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WidgetMainWindow.h"

#include <QAction>

#include "app/Server.h"
#include "platform/AnsiQString.h"

namespace brevio {

template <typename Command>
void WidgetMainWindow::Connect(QAction* item, Command command) {
  commands_.push_back(QObject::connect(item, &QAction::triggered, item, command));
  item->setEnabled(true);
}

void ActionCheckMark::SetChecked(bool checked) {
  action_.setChecked(checked);
}

void WidgetMainWindow::SetCaption(const std::string& caption) {
  window_.setWindowTitle(FromAnsi(caption));
}

void WidgetMainWindow::CentreAndShow() {
  // The frame's size is known only once the window is shown.
  window_.show();
  window_.CentreOnScreen();
}

void WidgetMainWindow::ConnectCommands(Server& server) {
  Connect(window_.mnuFileXTR(), [&server] { server.xtr.MenuCommand(); });
  Connect(window_.mnuFileExit(), [&server] { server.shutdown.Unload(); });
  Connect(window_.mnuOptionsReloadDefinition(), [&server] { server.watch.ReloadDefinition(); });
  // The check mark follows the flag, not the click.
  Connect(window_.mnuOptionsScan(), [&server] { server.traffic.ToggleScanForQdos(); });
  window_.OnClose([&server] { server.shutdown.Unload(); });
}

void WidgetMainWindow::DisconnectCommands() {
  for (const QMetaObject::Connection& command : commands_) QObject::disconnect(command);
  commands_.clear();
  window_.OnClose(nullptr);
}

void WidgetMainWindow::Release() {
  window_.OnClose(nullptr);
  window_.hide();
}

}  // namespace brevio
