#pragma once

#include <optional>
#include <string>

#include "base/ProgramInfo.h"

namespace brevio {

// Sets the program's folder (the executable's, or `givenFolder` when the command line names
// one) and the executable's base name. Needs the Qt application object.
void LocateProgram(ProgramInfo& info, const std::optional<std::string>& givenFolder);

}  // namespace brevio
