// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/MousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace brevio {

void SetDefaultMousePointer() {
  // Qt stacks override pointers; the application has one pointer setting, so drop them all.
  while (QGuiApplication::overrideCursor() != nullptr) {
    QGuiApplication::restoreOverrideCursor();
  }
}

void SetHourglassMousePointer() {
  if (QGuiApplication::overrideCursor() != nullptr) {
    QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
}

}  // namespace brevio
