// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/HostFolder.h"

namespace brevio {

std::string HostFolder::GetHostFolder() {
  const HostFolderSetting::Read read = setting_.ReadProgramFolder();
  if (read.error) {
    messages_.ShowPlain(MessageIcon::Critical, "BRV",
                        "An error occurred getting the UIView folder. The system error message "
                        "is '" +
                            read.error->description + "'");
    return {};
  }
  return read.value;
}

}  // namespace brevio
