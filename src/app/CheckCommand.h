// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

namespace brevio {

// `brevio --check`: reads the station's files as a start would, printing its status lines,
// messages and warnings on standard output. Returns 0 when a start would serve the station;
// a critical message ends the process with status 1, as it ends a start.
int RunCheck(int argc, char** argv, const CommandLine& line);

}  // namespace brevio
