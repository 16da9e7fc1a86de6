// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ProgramInfo.h"

#include "base/PathText.h"
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

void SetProgramTexts(ProgramInfo& info) {
  info.ProgramTitle = MakeProgramTitle();
  info.ProgramVersionText = MakeProgramVersionText();
  info.HelpDocumentPath = JoinPath(info.documentFolder, info.executableBaseName + ".html");
}

}  // namespace brevio
