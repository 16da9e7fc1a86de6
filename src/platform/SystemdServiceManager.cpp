// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemdServiceManager.h"

#include <algorithm>
#include <cstring>

#ifdef BREVIO_HAVE_SYSTEMD
#include <systemd/sd-daemon.h>
#endif

namespace brevio {

int SystemdServiceManager::Send(const std::string& state) {
#ifdef BREVIO_HAVE_SYSTEMD
  const int result = sd_notify(0, state.c_str());
  return result < 0 ? -result : 0;
#else
  (void)state;
  return 0;
#endif
}

void SystemdServiceManager::Notify(const std::string& state) {
  if (const int error = Send(state); error != 0) {
    log_.LogStatus("Unable to tell the service manager " + state + " (" + std::strerror(error) +
                   ")");
  }
}

void SystemdServiceManager::NotifyStatus(const std::string& text) {
  // A line break would end the assignment and start another. A status that is lost costs only
  // the display and comes again with the next change, so it is not worth a status line each.
  std::string line = "STATUS=" + text;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  Send(line);
}

}  // namespace brevio
