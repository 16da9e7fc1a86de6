// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "base/HostFolder.h"

namespace brevio {

// The host's "Program Folder" in the per-user settings of "Peak Systems" / "UI-View32" (an INI
// file in the user's configuration folder), or the folder given on the command line instead.
class UserHostFolderSetting : public HostFolderSetting {
 public:
  explicit UserHostFolderSetting(std::optional<std::string> givenFolder)
      : givenFolder_(std::move(givenFolder)) {}

  Read ReadProgramFolder() override;

  // Keeps `folder` as the stored "Program Folder"; false when the settings cannot be written.
  static bool Store(const std::string& folder);

 private:
  std::optional<std::string> givenFolder_;
};

}  // namespace brevio
