// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtEventLoop.h"

#include <QCoreApplication>

namespace brevio {

void QtEventLoop::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

}  // namespace brevio
