// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/HostFolder.h"
#include "base/Messages.h"
#include "base/ProgramInfo.h"

namespace brevio {

// "TRUE" for true, "FALSE" for false.
std::string BoolToText(bool value);

// The host's add-on registration file, which lets the user start the server from the host's
// File menu.
class XtrFile {
 public:
  XtrFile(HostFolder& hostFolder, Messages& messages, const ProgramInfo& info)
      : hostFolder_(hostFolder), messages_(messages), info_(info) {}

  // The menu command "Create XTR file": the file for this program.
  void MenuCommand() {
    CreateXTRFile("BRV Brevio server", info_.executableBaseName, info_.programFolder, true);
  }

  // Writes the file into the host's folder (or, without one, into the program folder) and tells
  // the user the outcome; a failure is shown and the program goes on.
  void CreateXTRFile(const std::string& description, const std::string& baseName,
                     const std::string& programFolder, bool flag);

 private:
  HostFolder& hostFolder_;
  Messages& messages_;
  const ProgramInfo& info_;
};

}  // namespace brevio
