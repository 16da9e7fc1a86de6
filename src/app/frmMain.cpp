// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace brevio {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setCentralWidget(new QWidget(this));
  new QVBoxLayout(centralWidget());
  txtStatus_ = AddBox("lblLog", "Logging", "txtStatus", 3);
  txtAPRS_ = AddBox("lblAPRSdata", "APRS data", "txtAPRS", 1);

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  mnuFileXTR_ = AddItem(file, "mnuFileXTR", "Create XTR file");
  mnuFileExit_ = AddItem(file, "mnuFileExit", "E&xit");

  QMenu* options = menuBar()->addMenu("Options");
  options->setObjectName("mnuOptions");
  mnuOptionsScan_ = AddItem(options, "mnuOptionsScan", "Scan for QDOS");
  mnuOptionsScan_->setCheckable(true);
  mnuOptionsReloadDefinition_ = AddItem(options, "mnuOptionsReloadDefinition", "Reload definition");

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnuHelp");
  mnuHelpHelp_ = AddItem(help, "mnuHelpHelp", "&Help");
  help->addSeparator();
  mnuHelpAbout_ = AddItem(help, "mnuHelpAbout", "&About");

  resize(720, 540);
}

QPlainTextEdit* frmMain::AddBox(const char* labelName, const QString& caption, const char* boxName,
                                int stretch) {
  auto* label = new QLabel(caption, centralWidget());
  label->setObjectName(labelName);
  auto* box = new QPlainTextEdit(centralWidget());
  box->setObjectName(boxName);
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  label->setBuddy(box);
  auto* layout = static_cast<QVBoxLayout*>(centralWidget()->layout());
  layout->addWidget(label);
  layout->addWidget(box, stretch);
  return box;
}

QAction* frmMain::AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  // Enabled by the piece that connects the command.
  item->setEnabled(false);
  return item;
}

void frmMain::CentreOnScreen() {
  const QRect area = screen()->availableGeometry();
  move(area.x() + (area.width() - frameGeometry().width()) / 2,
       area.y() + (area.height() - frameGeometry().height()) / 2);
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (onClose_) onClose_();
  event->accept();
}

}  // namespace brevio
