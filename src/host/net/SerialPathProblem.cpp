// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/SerialPathProblem.h"

#include <filesystem>

namespace brevio {

std::string SerialPathProblem(const std::string& path) {
  std::error_code error;
  switch (std::filesystem::status(path, error).type()) {
    case std::filesystem::file_type::directory:
      return "'" + path + "' is a folder";
    case std::filesystem::file_type::regular:
      return "'" + path + "' is a file";
    case std::filesystem::file_type::character:
    case std::filesystem::file_type::not_found:
    // A path that cannot be looked at (no permission to its folder, say) is left to the link,
    // which logs why it cannot open it.
    case std::filesystem::file_type::none:
      return {};
    default:
      return "'" + path + "' is not a character device";
  }
}

}  // namespace brevio
