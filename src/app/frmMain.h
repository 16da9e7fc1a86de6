// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace brevio {

// The main window: the status box, the APRS data box and the menus. It holds no rules; each
// menu command is connected to one core operation by the piece that owns it.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  QPlainTextEdit* txtStatus() const { return txtStatus_; }
  QPlainTextEdit* txtAPRS() const { return txtAPRS_; }

  QAction* mnuFileXTR() const { return mnuFileXTR_; }
  QAction* mnuFileExit() const { return mnuFileExit_; }
  QAction* mnuOptionsScan() const { return mnuOptionsScan_; }
  QAction* mnuOptionsReloadDefinition() const { return mnuOptionsReloadDefinition_; }
  QAction* mnuHelpHelp() const { return mnuHelpHelp_; }
  QAction* mnuHelpAbout() const { return mnuHelpAbout_; }

  // Centres the window on its screen.
  void CentreOnScreen();

  // What closing the window by the user does (nothing when empty).
  void OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* AddBox(const char* labelName, const QString& caption, const char* boxName,
                         int stretch);
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption);

  QPlainTextEdit* txtStatus_ = nullptr;
  QPlainTextEdit* txtAPRS_ = nullptr;
  QAction* mnuFileXTR_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuOptionsScan_ = nullptr;
  QAction* mnuOptionsReloadDefinition_ = nullptr;
  QAction* mnuHelpHelp_ = nullptr;
  QAction* mnuHelpAbout_ = nullptr;
  std::function<void()> onClose_;
};

}  // namespace brevio
