// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WidgetMessageDialog.h"

#include <QMessageBox>

#include "platform/AnsiQString.h"
#include "platform/TerminalText.h"

namespace brevio {

void WidgetMessageDialog::Show(MessageIcon icon, const std::string& title,
                               const std::string& body) {
  const QMessageBox::Icon shown = icon == MessageIcon::Critical      ? QMessageBox::Critical
                                  : icon == MessageIcon::Information ? QMessageBox::Information
                                                                     : QMessageBox::NoIcon;
  QMessageBox box(shown, FromAnsi(title), FromAnsi(TerminalText(body)), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace brevio
