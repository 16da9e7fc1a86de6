#include "platform/QtEventLoop.h"

#include <QCoreApplication>

namespace brevio {

void QtEventLoop::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

void QtEventLoop::Run() {
  QCoreApplication::exec();
}

}  // namespace brevio
