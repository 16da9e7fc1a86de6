#include "platform/QtEventLoop.h"

#include <QCoreApplication>

namespace brevio {

void QtEventLoop::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

}  // namespace brevio
