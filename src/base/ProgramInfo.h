// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// Texts that start-up sets once and every later piece reads.
struct ProgramInfo {
  std::string programFolder;       // the folder the executable runs from, no trailing separator
  std::string executableBaseName;  // the executable's file name without its extension
  std::string documentFolder;      // the folder of the help document
  std::string ProgramTitle;
  std::string ProgramVersionText;
  std::string HelpDocumentPath;
  std::string HostVersionText;
  std::string StartTimeText;
};

// Sets the title, the version text and the help document's path of `info`, whose folders are
// known.
void SetProgramTexts(ProgramInfo& info);

// "UI-View32 add-on Brevio Server V" + major.minor.revision.
std::string MakeProgramTitle();

// "BRV V" + major.minor.revision + " by " + the maintainers.
std::string MakeProgramVersionText();

// major.minor.revision alone.
std::string ProgramVersionNumber();

}  // namespace brevio
