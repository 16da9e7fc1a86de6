#include "base/ProgramInfo.h"

#include "base/ProgramVersion.h"

namespace brevio {

std::string ProgramVersionNumber() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

std::string MakeProgramTitle() {
  return "UI-View32 add-on Brevio Server V" + ProgramVersionNumber();
}

std::string MakeProgramVersionText() {
  return "BRV V" + ProgramVersionNumber() + " by the Brevio team";
}

}  // namespace brevio
