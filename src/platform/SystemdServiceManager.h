// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/ServiceManager.h"
#include "base/StatusLog.h"

namespace brevio {

// Tells systemd through sd_notify; a notification that cannot be sent is a status line, since
// the unit then times out or is killed and the operator needs to know why.
class SystemdServiceManager : public ServiceManager {
 public:
  explicit SystemdServiceManager(StatusLog& log) : log_(log) {}

  void NotifyReady() override { Notify("READY=1"); }
  void NotifyStopping() override { Notify("STOPPING=1"); }
  // The one line "systemctl status" shows beside the unit's state.
  void NotifyStatus(const std::string& text);

 private:
  // Gives the error number when the notification could not be sent.
  static int Send(const std::string& state);
  void Notify(const std::string& state);

  StatusLog& log_;
};

}  // namespace brevio
