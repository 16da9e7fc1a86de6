// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

namespace brevio {

// `brevio --new-station DIR`: asks on standard input for what --call and --position left out,
// again after each wrong answer, writes the station (its topics into --program-folder when
// given) and keeps both folders for the next plain start. Returns the exit status: 0, or 1 with
// the reason on standard error.
int RunNewStation(const CommandLine& line);

}  // namespace brevio
