// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/ProgramEnd.h"

namespace brevio {

// Ends the process with exit status 1, flushing standard output (transmitted frames) first.
class ProcessExit : public ProgramEnd {
 public:
  [[noreturn]] void EndProgram() override;
};

}  // namespace brevio
