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

 private:
  void Notify(const std::string& state);

  StatusLog& log_;
};

}  // namespace brevio
