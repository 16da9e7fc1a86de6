#pragma once

#include "app/Clock.h"
#include "app/HostFolder.h"
#include "app/Messages.h"
#include "app/ProgramInfo.h"
#include "app/StatusLog.h"
#include "host/HostLink.h"

namespace brevio {

// What nearly every piece of the server reports to or asks: built once, before start-up.
struct CoreServices {
  ProgramInfo& info;
  StatusLog& log;
  Messages& messages;
  Clock& clock;
  HostFolder& hostFolder;
  HostConnector& host;
};

}  // namespace brevio
