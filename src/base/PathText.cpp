// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PathText.h"

namespace brevio {

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  // A folder that ends with its separator, as the host stores its own, takes no second one.
  if (!path.ends_with(kPathSeparator)) path += kPathSeparator;
  path += name;
  return path;
}

}  // namespace brevio
