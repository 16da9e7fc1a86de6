// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace brevio {

// The folder of the station's topics (brv.txt) that a new station was set up with, kept in the
// per-user settings of "Brevio" so that a plain start serves that station: the stand-in for the
// executable's folder, which a package's /usr/bin cannot be.
class UserProgramFolderSetting {
 public:
  // The stored folder, if any.
  static std::optional<std::string> Read();

  // Keeps `folder`; false when the settings cannot be written.
  static bool Store(const std::string& folder);
};

}  // namespace brevio
