// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>

#include "base/SingleInstance.h"

namespace brevio {

// One instance per user and temporary folder: a lock file marks the running instance, and a
// local socket beside it lets a later instance bring it forward. A lock left behind by an
// instance that died is taken over.
class LocalSingleInstance : public SingleInstance {
 public:
  // `folder` is where the lock and the socket lie (see InstanceFolder).
  explicit LocalSingleInstance(const QString& folder);

  // The first runtime directory systemd gave the service ($RUNTIME_DIRECTORY), else the
  // temporary folder: a service's temporary folder holds its log, not its sockets.
  static QString InstanceFolder();

  bool OtherInstanceRunning() override;
  std::string ApplicationTitle() override;
  void SetApplicationTitle(const std::string& title) override;
  void ActivateInstance(const std::string& title) override;

  // What the running instance does when a later one activates it.
  void OnActivate(std::function<void()> handler) { onActivate_ = std::move(handler); }

 private:
  void Listen();
  void TakeConnection();

  QLockFile lock_;
  QString socketName_;
  QLocalServer server_;
  std::function<void()> onActivate_;
};

}  // namespace brevio
