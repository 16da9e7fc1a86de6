// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "base/ProgramInfo.h"

namespace brevio {

// Sets the program's folder (`givenFolder` when the command line names one, else the one a new
// station stored, else the executable's), the executable's base name and the folder its help
// document is found in: the program's folder, the executable's, or the installed documentation's.
// Needs the Qt application object.
void LocateProgram(ProgramInfo& info, const std::optional<std::string>& givenFolder);

}  // namespace brevio
