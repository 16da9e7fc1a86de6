// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// The service manager that started the program (systemd's notify protocol), told when the
// program serves and when it begins to end. Started by hand, there is no one to tell.
class ServiceManager {
 public:
  virtual ~ServiceManager() = default;

  virtual void NotifyReady() = 0;
  virtual void NotifyStopping() = 0;
};

}  // namespace brevio
