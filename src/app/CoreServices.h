// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Clock.h"
#include "base/HostFolder.h"
#include "base/Messages.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
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
