#pragma once

#include "app/CommandLine.h"

namespace brevio {

// `brevio --new-station DIR`: asks on the terminal for what --call and --position left out,
// writes the station and keeps DIR as the host folder. Returns the exit status: 0, or 1 with
// the reason on standard error.
int RunNewStation(const CommandLine& line);

}  // namespace brevio
