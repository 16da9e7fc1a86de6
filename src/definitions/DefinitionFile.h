// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace brevio {

// Hands every item of the definition file at `path` to `useItem`, in file order. A file that
// cannot be opened or read is critical: the message is `cannotOpenText`, the path, a line break
// and the system's error number and description.
void ReadDefinitionFile(const std::string& path, std::string_view cannotOpenText,
                        Messages& messages,
                        const std::function<void(const std::string& item)>& useItem);

}  // namespace brevio
