// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "base/LogFile.h"
#include "base/Messages.h"

namespace brevio {

// The host's stored "Program Folder" setting as the platform keeps it.
class HostFolderSetting {
 public:
  struct Read {
    std::string value;                 // empty when there is no such setting
    std::optional<SystemError> error;  // set when the settings could not be read
  };

  virtual ~HostFolderSetting() = default;
  virtual Read ReadProgramFolder() = 0;
};

// The host's program folder, read afresh on every call.
class HostFolder {
 public:
  HostFolder(HostFolderSetting& setting, Messages& messages)
      : setting_(setting), messages_(messages) {}

  // The folder, or empty text when there is none or the settings cannot be read (which is shown
  // to the user; the program goes on).
  std::string GetHostFolder();

 private:
  HostFolderSetting& setting_;
  Messages& messages_;
};

}  // namespace brevio
