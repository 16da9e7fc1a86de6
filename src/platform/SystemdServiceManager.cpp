#include "platform/SystemdServiceManager.h"

#include <cstring>

#ifdef BREVIO_HAVE_SYSTEMD
#include <systemd/sd-daemon.h>
#endif

namespace brevio {

void SystemdServiceManager::Notify(const std::string& state) {
#ifdef BREVIO_HAVE_SYSTEMD
  const int result = sd_notify(0, state.c_str());
  if (result < 0) {
    log_.LogStatus("Unable to tell the service manager " + state + " (" + std::strerror(-result) +
                   ")");
  }
#else
  (void)state;
#endif
}

}  // namespace brevio
