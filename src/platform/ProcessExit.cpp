// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

namespace brevio {

void ProcessExit::EndProgram() {
  std::fflush(nullptr);
  // No destructor or exit handler runs: a critical end skips every shutdown step.
  std::_Exit(1);
}

}  // namespace brevio
