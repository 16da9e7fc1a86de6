// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Shutdown.h"

namespace brevio {

void Shutdown::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  service_.NotifyStopping();
  watch_.StopDefinitionWatch();
  objects_.DeleteTopicObjects();
  log_.WriteLogLine("end of " + info_.ProgramTitle);
  window_.Release();
}

void Shutdown::UIView32IsClosing() {
  log_.LogStatus("Received IsClosing event from UIView32");
  log_.LogStatus("Closing down " + info_.ProgramTitle);
  endAtOnce_ = true;
  Unload();
}

}  // namespace brevio
