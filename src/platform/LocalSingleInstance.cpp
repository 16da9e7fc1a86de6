// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalSingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>

#include "platform/AnsiQString.h"

namespace brevio {

namespace {
constexpr int kActivationWaitMs = 1000;
// A title line longer than this is no title of ours.
constexpr qint64 kMaxTitleLine = 512;
}  // namespace

LocalSingleInstance::LocalSingleInstance(const QString& folder)
    : lock_(folder + "/BRV.lock"), socketName_(folder + "/BRV.socket") {
  // The lock is held for the whole run, however long: only a dead owner makes it stale.
  lock_.setStaleLockTime(0);
}

QString LocalSingleInstance::InstanceFolder() {
  const QString runtime = qEnvironmentVariable("RUNTIME_DIRECTORY").section(':', 0, 0);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool LocalSingleInstance::OtherInstanceRunning() {
  if (lock_.tryLock(0)) {
    Listen();
    return false;
  }
  // Only a lock held by a live instance means one runs. A folder that cannot take the lock says
  // nothing about other instances; the log file beside it will report the folder's trouble.
  return lock_.error() == QLockFile::LockFailedError;
}

void LocalSingleInstance::Listen() {
  // The socket of an instance that died is left behind; the lock says it is no longer in use.
  QLocalServer::removeServer(socketName_);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { TakeConnection(); });
  // Without the socket this instance still runs; it just cannot be brought forward.
  server_.listen(socketName_);
}

void LocalSingleInstance::TakeConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxTitleLine) socket->abort();
        return;
      }
      const QString title = QString::fromUtf8(socket->readLine(kMaxTitleLine)).chopped(1);
      if (title == QCoreApplication::applicationName() && onActivate_) onActivate_();
      socket->disconnectFromServer();
    });
  }
}

std::string LocalSingleInstance::ApplicationTitle() {
  return ToAnsi(QCoreApplication::applicationName());
}

void LocalSingleInstance::SetApplicationTitle(const std::string& title) {
  QCoreApplication::setApplicationName(FromAnsi(title));
}

void LocalSingleInstance::ActivateInstance(const std::string& title) {
  QLocalSocket socket;
  socket.connectToServer(socketName_);
  if (!socket.waitForConnected(kActivationWaitMs)) return;
  socket.write(FromAnsi(title).toUtf8() + '\n');
  socket.waitForBytesWritten(kActivationWaitMs);
  socket.disconnectFromServer();
}

}  // namespace brevio
